#pragma once

#include "model/side_settings.h"

#include <QCheckBox>

// A check box that the program can set to any of its three values while a user's click only
// ever gives checked or unchecked: grayed and unchecked become checked, checked unchecked.
class TriStateCheckBox : public QCheckBox {
    Q_OBJECT
  public:
    using QCheckBox::QCheckBox;

    vornelle::CheckValue value() const {
        switch (checkState()) {
        case Qt::Checked:
            return vornelle::CheckValue::Checked;
        case Qt::PartiallyChecked:
            return vornelle::CheckValue::Grayed;
        case Qt::Unchecked:
            break;
        }
        return vornelle::CheckValue::Unchecked;
    }
    // Qt numbers the states 0, 2 and 1: each is named here rather than converted.
    void setValue(vornelle::CheckValue value) {
        switch (value) {
        case vornelle::CheckValue::Checked:
            return setCheckState(Qt::Checked);
        case vornelle::CheckValue::Grayed:
            return setCheckState(Qt::PartiallyChecked);
        case vornelle::CheckValue::Unchecked:
            break;
        }
        setCheckState(Qt::Unchecked);
    }

  protected:
    void nextCheckState() override {
        setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
};
