#pragma once

#include "places/place_choice.h"

#include <QDialog>

class QLabel;
class QLayout;
class QListWidget;
class QPushButton;

// The dialog in which a player started without a Wine prefix named chooses the one of Vornelle:
// a row for each prefix found, with its front-end and when its host settings file last changed;
// "Ouvrir" takes the row, "Autre dossier…" a folder of the player's, "Quitter" ends.
class PrefixChooser : public QDialog {
    Q_OBJECT
  public:
    explicit PrefixChooser(const vornelle::PrefixToChoose& choice, QWidget* parent = nullptr);

    // The prefix chosen, once the dialog is accepted.
    QString chosenPrefix() const { return chosen_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void addRows(const vornelle::PrefixToChoose& choice);
    void addButtons(QLayout* layout);
    void tellCurrentRow();
    void openRow();
    void openOtherFolder();

    QListWidget* rows_ = nullptr; // none when no prefix was found
    QPushButton* otherFolder_ = nullptr;
    QLabel* problem_ = nullptr;
    QString chosen_;
};
