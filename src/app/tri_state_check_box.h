#pragma once

#include "model/side_settings.h"

#include <QCheckBox>

// A check box that the program can set to any of its three values while a user's click only
// ever gives checked or unchecked: grayed and unchecked become checked, checked unchecked.
class TriStateCheckBox : public QCheckBox {
    Q_OBJECT
  public:
    using QCheckBox::QCheckBox;

    // 0 unchecked, 1 checked, 2 grayed (Qt numbers them 0, 2 and 1).
    int value() const {
        switch (checkState()) {
        case Qt::Checked:
            return check::Checked;
        case Qt::PartiallyChecked:
            return check::Grayed;
        case Qt::Unchecked:
            break;
        }
        return check::Unchecked;
    }
    void setValue(int value) {
        setCheckState(value == check::Checked  ? Qt::Checked
                      : value == check::Grayed ? Qt::PartiallyChecked
                                               : Qt::Unchecked);
    }

  protected:
    void nextCheckState() override {
        setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
};
