#pragma once

#include "files/file_io.h"
#include "hostfile/virtual_store.h"
#include "model/side_settings.h"
#include "systemfile/replace_guard.h"
#include "window_widgets.h"

#include <QDir>
#include <QWidget>

class ShownLinesModel;
class TriStateCheckBox;

// The program's one window, object name "Form1". Its controls are the only store of both sides'
// settings; the operations read and write them, and every change the program makes raises the
// same notification as the user's change would.
class ConventionsWindow : public QWidget, private vornelle::SettingsTarget {
    Q_OBJECT
  public:
    // Builds the window and its controls with their initial values; `folder` stands for the
    // current directory, which holds the working copy and the system files.
    ConventionsWindow(const vornelle::HostFile& host, const QDir& folder,
                      QWidget* parent = nullptr);

    // Copies the host settings file into the working copy, loads both sides from it and fills
    // the range lists. On failure the window must not be shown.
    [[nodiscard]] vornelle::FileOutcome startUp();

    // The operations of the reload and transfer buttons; the buttons report a failure.
    [[nodiscard]] vornelle::FileOutcome loadWorkingCopy();
    [[nodiscard]] vornelle::FileOutcome transferToHost();

    vornelle::SideSettings sideSettings(vornelle::Side side) const;

  private:
    void wireEvents();
    void fillRangeLists();
    [[nodiscard]] vornelle::FileOutcome saveSystemFile(vornelle::Side side);
    void openSystemFile(vornelle::Side side);
    void checkReplace();
    void disarm();
    void setGuard(vornelle::GuardState state);
    vornelle::GuardState guardState() const;
    QString systemFileName() const;
    void report(const vornelle::FileOutcome& failed);
    TriStateCheckBox* checkBox(vornelle::Side side, vornelle::Group group, int row) const;

    void setCheck(vornelle::Side side, vornelle::Group group, int row,
                  vornelle::CheckValue value) override;
    void setOpening(vornelle::Side side, vornelle::OpeningChoice choice) override;
    void setNtRange(vornelle::Side side, vornelle::Vulnerability v, const QString& text) override;

    const vornelle::HostFile host_;
    const QDir folder_;
    const WindowWidgets widgets_;
    ShownLinesModel* const workingCopyLines_;
};
