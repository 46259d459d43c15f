#pragma once

#include <QDir>
#include <QListWidget>

// The names of the files of one folder that match a pattern, hidden ones included, as the
// folder listed them when last read. Every selection the user makes, with the mouse or the
// keyboard, and every click on a name, is announced by picked(); re-reading the folder is not.
class FileListBox : public QListWidget {
    Q_OBJECT
  public:
    FileListBox(const QDir& folder, const QString& pattern, QWidget* parent);

    void refresh();
    QStringList names() const;

  Q_SIGNALS:
    void picked(const QString& name);

  private:
    void announceSelection();

    QDir folder_;
    QString pattern_;
    bool refreshing_ = false;
};
