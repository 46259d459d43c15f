#include "file_list_box.h"

FileListBox::FileListBox(const QDir& folder, const QString& pattern, QWidget* parent)
    : QListWidget(parent), folder_(folder), pattern_(pattern) {
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Q_EMIT picked(item->text()); });
    refresh();
}

void FileListBox::refresh() {
    clear();
    addItems(folder_.entryList({pattern_}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

QStringList FileListBox::names() const {
    QStringList list;
    list.reserve(count());
    for (int i = 0; i < count(); ++i)
        list.append(item(i)->text());
    return list;
}

// Moving the selection with the keyboard picks the name it lands on, as a click does.
void FileListBox::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentItem())
        Q_EMIT picked(currentItem()->text());
}
