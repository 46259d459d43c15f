#pragma once

#include "hostfile/shown_lines.h"

#include <QAbstractListModel>

// The items of List1: the lines of the working copy, one read-only item each, in file order.
class ShownLinesModel : public QAbstractListModel {
    Q_OBJECT
  public:
    using QAbstractListModel::QAbstractListModel;

    void setLines(vornelle::ShownLines lines);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    vornelle::ShownLines lines_;
};
