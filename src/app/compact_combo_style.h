#pragma once

#include <QProxyStyle>

// The platform's style with a narrower drop-down arrow for combo boxes, so that a range text
// such as "16-18H" fits beside it in the window's narrow range boxes.
class CompactComboStyle : public QProxyStyle {
    Q_OBJECT
  public:
    using QProxyStyle::QProxyStyle;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override;
};
