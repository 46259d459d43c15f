#include "shown_lines_model.h"

void ShownLinesModel::setLines(vornelle::ShownLines lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

int ShownLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(lines_.size());
}

QVariant ShownLinesModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
        role != Qt::DisplayRole)
        return {};
    return lines_.text(index.row());
}
