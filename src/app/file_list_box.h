#pragma once

#include <QDir>
#include <QListWidget>

// The names of the files of one folder that match a pattern, as the folder listed them when
// last read. A name the user picks, with the mouse or the keyboard, is announced by picked().
class FileListBox : public QListWidget {
    Q_OBJECT
  public:
    FileListBox(const QDir& folder, const QString& pattern, QWidget* parent);

    void refresh();
    QStringList names() const;

  Q_SIGNALS:
    void picked(const QString& name);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QDir folder_;
    QString pattern_;
};
