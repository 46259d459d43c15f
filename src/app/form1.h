#pragma once

#include "hostfile/file_io.h"
#include "layout_table.h"
#include "model/side_settings.h"
#include "systemfile/replace_guard.h"

#include <QDir>
#include <QHash>
#include <QWidget>

#include <array>

class QComboBox;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;
class FileListBox;
class ShownLinesModel;
class TriStateCheckBox;

// The program's one window. Its controls are the only store of both sides' settings; the
// operations read and write them, and every change the program makes raises the same
// notification as the user's change would.
class Form1 : public QWidget, private SettingsTarget {
    Q_OBJECT
  public:
    // Builds the window and its controls with their initial values; `folder` stands for the
    // current directory, which holds the working copy and the system files.
    Form1(const QString& hostPath, const QDir& folder, QWidget* parent = nullptr);

    // Copies the host settings file into the working copy, loads both sides from it and fills
    // the range lists. On failure the window must not be shown.
    FileOutcome startUp();

    FileOutcome loadWorkingCopy();
    FileOutcome transferToHost();
    void checkReplace();
    void disarm();
    void saveSystemFile(Side side);
    void openSystemFile(Side side);

    SideSettings sideSettings(Side side) const;
    QString systemFileName() const;
    GuardState guardState() const;

    template <typename T> T* control(const QString& name) const {
        return qobject_cast<T*>(controls_.value(name));
    }

  private:
    struct SideControls {
        std::array<TriStateCheckBox*, GeneralCount> conventions{};
        std::array<QRadioButton*, 2> options{};
        std::array<QComboBox*, 2> ranges{}; // vulnerable, not vulnerable
        std::array<TriStateCheckBox*, CompetitiveCount> competitive{};
    };

    void buildControls();
    void bindSide(SideControls& side, const char* general, const char* options,
                  const char* vulnerable, const char* notVulnerable, const char* competitive);
    void wireEvents();
    void setTabOrder();
    void fillRangeLists();
    FileOutcome reload();
    void setGuard(GuardState state);
    void reportFailure(const FileFailure& failure);
    const SideControls& sideControls(Side side) const { return side == Side::NS ? ns_ : eo_; }
    TriStateCheckBox* checkBox(Side side, Group group, int row) const;

    void setCheck(Side side, Group group, int row, int value) override;
    void setOpening(Side side, OpeningChoice choice) override;
    void setRange(Side side, RangeKind kind, const QString& text) override;

    QString hostPath_;
    QDir folder_;
    QHash<QString, QWidget*> controls_;
    SideControls ns_;
    SideControls eo_;
    TriStateCheckBox* check5_ = nullptr;
    QLineEdit* text1_ = nullptr;
    FileListBox* file2_ = nullptr;
    QListView* list1_ = nullptr;
    ShownLinesModel* list1Lines_ = nullptr;
};
