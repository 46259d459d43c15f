#pragma once

#include <QByteArray>
#include <QString>

// Unpacked from its Linux archive, the program carries its own Qt in lib/ beside it. There it
// keeps to that Qt whatever the desktop asks of Qt programs, draws with its own font, and puts
// itself in the player's menu. Installed, built or on Windows, it does none of this.
class CarriedQt {
  public:
    // It carries its Qt when the Qt core library that it runs on is lib/libQt6Core.so.6 beside
    // it: not a file that merely lies there, nor the system's.
    static CarriedQt ofThisProgram();

    // Before the QApplication exists:
    // - Qt's plugins come from its own folder alone, not from QT_PLUGIN_PATH, nor a theme's or
    //   a platform's from the system;
    // - the X11 platform, whatever QT_QPA_PLATFORM or the session say: its Qt has no other.
    // False, once standard error says why, in a folder whose path is not UTF-8: Qt cannot load
    // its plugins from there, and must not take the system's.
    [[nodiscard]] bool keepToOwnQt() const;
    // The id of the desktop entry that its windows belong to.
    QString desktopEntryId() const;
    // Once the QApplication exists: the fonts in its folder, which the system may not have.
    void addOwnFonts() const;
    // Once its window is open: its own entry in the player's menu.
    void putInMenu() const;

  private:
    QByteArray program;      // its path as the system gives it; empty when it carries no Qt
    QString folder;          // its folder, as Qt reads its name
    bool folderNamed = true; // whether Qt reads the name right: it reads UTF-8 alone
};
