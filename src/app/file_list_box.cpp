#include "file_list_box.h"

FileListBox::FileListBox(const QDir& folder, const QString& pattern, QWidget* parent)
    : QListWidget(parent), folder_(folder), pattern_(pattern) {
    connect(this, &QListWidget::itemSelectionChanged, this, &FileListBox::announceSelection);
    // A click on the name already selected changes no selection but is a pick all the same.
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Q_EMIT picked(item->text()); });
    refresh();
}

void FileListBox::refresh() {
    refreshing_ = true;
    clear();
    addItems(
        folder_.entryList({pattern_}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase));
    refreshing_ = false;
}

QStringList FileListBox::names() const {
    QStringList list;
    list.reserve(count());
    for (int i = 0; i < count(); ++i)
        list.append(item(i)->text());
    return list;
}

void FileListBox::announceSelection() {
    const QList<QListWidgetItem*> selected = selectedItems();
    if (!refreshing_ && !selected.isEmpty())
        Q_EMIT picked(selected.first()->text());
}
