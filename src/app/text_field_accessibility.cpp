#include "text_field_accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBoundaryFinder>

using namespace Qt::StringLiterals;

namespace {

// The space that a line edit keeps between its contents rectangle and its text, on each side.
constexpr int lineEditTextMargin = 2;

QTextBoundaryFinder::BoundaryType finderType(QAccessible::TextBoundaryType boundary) {
    switch (boundary) {
    case QAccessible::WordBoundary:
        return QTextBoundaryFinder::Word;
    case QAccessible::SentenceBoundary:
        return QTextBoundaryFinder::Sentence;
    default:
        return QTextBoundaryFinder::Grapheme;
    }
}

bool bordersItem(const QTextBoundaryFinder& finder) {
    return finder.boundaryReasons() &
           (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem);
}

// The character, word or sentence of `text` at `offset`, which lies inside it: from the last
// border of an item at or before the offset to the next one after it, the end of the text at
// the latest.
QString itemAt(const QString& text, int offset, QAccessible::TextBoundaryType boundary, int* start,
               int* end) {
    QTextBoundaryFinder finder(finderType(boundary), text);
    finder.setPosition(offset);
    while (finder.position() > 0 && !bordersItem(finder))
        finder.toPreviousBoundary();
    *start = int(finder.position());
    do
        finder.toNextBoundary();
    while (finder.position() < text.size() && !bordersItem(finder));
    *end = int(finder.position());
    return text.mid(*start, *end - *start);
}

// A line edit for screen readers: its text, caret, selection and editing.
class AccessibleLineEdit : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
  public:
    explicit AccessibleLineEdit(QLineEdit* edit)
        : QAccessibleWidget(edit, QAccessible::EditableText) {
        addControllingSignal(u"textChanged(QString)"_s);
        addControllingSignal(u"returnPressed()"_s);
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? edit()->text() : QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value)
            edit()->setText(text);
        else
            QAccessibleWidget::setText(t, text);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.readOnly = edit()->isReadOnly();
        state.selectableText = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    void selection(int index, int* start, int* end) const override {
        const bool selected = index == 0 && edit()->hasSelectedText();
        *start = selected ? edit()->selectionStart() : 0;
        *end = selected ? edit()->selectionEnd() : 0;
    }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0)
            edit()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0)
            edit()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    void scrollToSubstring(int start, int end) override {
        edit()->setCursorPosition(end);
        edit()->setCursorPosition(start);
    }

    QString text(int start, int end) const override {
        return start > end ? QString() : edit()->text().mid(start, end - start);
    }
    int characterCount() const override { return int(edit()->text().size()); }
    // A line edit's text has no attributes: one run over all of it.
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }

    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                             int* end) const override {
        return orNothing(
            QAccessibleTextInterface::textBeforeOffset(resolved(offset), boundary, start, end),
            start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                            int* end) const override {
        return orNothing(
            QAccessibleTextInterface::textAfterOffset(resolved(offset), boundary, start, end),
            start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                         int* end) const override;

    void deleteText(int start, int end) override {
        edit()->setText(edit()->text().remove(start, end - start));
    }
    void insertText(int offset, const QString& text) override {
        edit()->setText(edit()->text().insert(offset, text));
    }
    void replaceText(int start, int end, const QString& text) override {
        edit()->setText(edit()->text().replace(start, end - start, text));
    }

  private:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
    // Before the first word Qt answers an empty text from -1 to 0: no text has no offsets.
    static QString orNothing(const QString& text, int* start, int* end) {
        if (text.isEmpty())
            *start = *end = -1;
        return text;
    }
    // Offsets -2 and -1 stand for the caret and the end of the text.
    int resolved(int offset) const {
        return offset == -2 ? cursorPosition() : offset == -1 ? characterCount() : offset;
    }
};

// Qt's own answer never comes for a word or a sentence at the end of the text. There, as past
// the end, there is none; the text is one line, and one paragraph, up to and including its end.
QString AccessibleLineEdit::textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                         int* start, int* end) const {
    const QString all = edit()->text();
    offset = resolved(offset);
    *start = *end = -1;
    if (offset < 0 || offset > all.size())
        return {};
    if (boundary == QAccessible::LineBoundary || boundary == QAccessible::ParagraphBoundary ||
        boundary == QAccessible::NoBoundary) {
        *start = 0;
        *end = int(all.size());
        return all;
    }
    if (offset == all.size())
        return {};
    return itemAt(all, offset, boundary, start, end);
}

// Where the character is drawn on the screen, for a text that fits its field, as the window's
// texts do.
QRect AccessibleLineEdit::characterRect(int offset) const {
    const QString all = edit()->text();
    if (offset < 0 || offset >= all.size())
        return {};
    QStyleOptionFrame frame;
    frame.initFrom(edit());
    frame.rect = edit()->contentsRect();
    frame.lineWidth =
        edit()->hasFrame() ? edit()->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QRect area = edit()
                           ->style()
                           ->subElementRect(QStyle::SE_LineEditContents, &frame, edit())
                           .marginsRemoved(edit()->textMargins());
    const QFontMetrics metrics(edit()->font());
    const QRect shown(area.left() + lineEditTextMargin +
                          metrics.horizontalAdvance(all.left(offset)),
                      area.top() + (area.height() - metrics.height()) / 2,
                      metrics.horizontalAdvance(all.mid(offset, 1)), metrics.height());
    return {edit()->mapToGlobal(shown.topLeft()), shown.size()};
}

// A combo box called by its accessible name, as the other controls are, with its text as its
// value; its children are its list and, when it is editable, its edit field, which has the focus.
class AccessibleComboBox : public QAccessibleWidget {
  public:
    explicit AccessibleComboBox(QComboBox* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    int childCount() const override { return combo()->lineEdit() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        QWidget* const children[] = {combo()->view(), combo()->lineEdit()};
        return index >= 0 && index < childCount()
                   ? QAccessible::queryAccessibleInterface(children[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child->object() == combo()->view())
            return 0;
        return combo()->lineEdit() && child->object() == combo()->lineEdit() ? 1 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QLineEdit* const edit = combo()->lineEdit();
        return edit && edit->isVisible() &&
                       QRect(edit->mapToGlobal(QPoint()), edit->size()).contains(x, y)
                   ? child(1)
                   : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return combo()->lineEdit() ? child(1) : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        return t == QAccessible::Value || (t == QAccessible::Name && own.isEmpty())
                   ? combo()->currentText()
                   : own;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = combo()->view()->isVisible();
        return state;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (combo()->view()->isVisible())
            combo()->hidePopup();
        else
            combo()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* textFieldInterface(const QString& className, QObject* object) {
    if (className == "QLineEdit"_L1)
        return new AccessibleLineEdit(static_cast<QLineEdit*>(object));
    if (className == "QComboBox"_L1)
        return new AccessibleComboBox(static_cast<QComboBox*>(object));
    return nullptr;
}

} // namespace

void installTextFieldAccessibility() {
    QAccessible::installFactory(textFieldInterface);
}
