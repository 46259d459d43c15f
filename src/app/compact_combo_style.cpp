#include "compact_combo_style.h"

#include <QStyleOptionComplex>

namespace {
constexpr int arrowWidth = 13;
constexpr int frame = 2;
} // namespace

QRect CompactComboStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                        SubControl sub, const QWidget* widget) const {
    if (control != CC_ComboBox)
        return QProxyStyle::subControlRect(control, option, sub, widget);
    const QRect r = option->rect;
    QRect result;
    switch (sub) {
    case SC_ComboBoxArrow:
        result = QRect(r.right() - arrowWidth - frame + 1, r.top() + frame, arrowWidth,
                       r.height() - 2 * frame);
        break;
    case SC_ComboBoxEditField:
        result = QRect(r.left() + frame, r.top() + frame, r.width() - arrowWidth - 2 * frame,
                       r.height() - 2 * frame);
        break;
    default:
        return QProxyStyle::subControlRect(control, option, sub, widget);
    }
    return visualRect(option->direction, r, result);
}
