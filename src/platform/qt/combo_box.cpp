#include "platform/qt/combo_box.h"

#include <QCompleter>
#include <QLineEdit>
#include <QSignalBlocker>

namespace orvane::platform::qt {

ComboBox::ComboBox(ControlId id, FormEvents& events, QWidget* parent) : QComboBox(parent) {
    // Handing the combo box a text field makes it editable without building its entry list
    // before it is first dropped down. The field's completer is there only so that Qt builds
    // none of its own: Windows completes nothing as you type. The field owns it either way.
    auto* field = new QLineEdit(this);
    field->setCompleter(new QCompleter(field));
    setLineEdit(field);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    // Qt picks the entry named by the typed text when Return is pressed or the focus leaves;
    // here typed text never selects an entry.
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    connect(this, &QComboBox::activated, this, [&events, id] { events.click(id); });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { clearSelectionKeepingText(); });
}

void ComboBox::clearSelectionKeepingText() {
    if (currentIndex() == -1) {
        return;
    }
    const QString text = lineEdit()->text();
    const int cursor = lineEdit()->cursorPosition();
    const QSignalBlocker blocker(this);
    setCurrentIndex(-1);
    lineEdit()->setText(text);
    lineEdit()->setCursorPosition(cursor);
}

void ComboBox::insertProgramItem(int position, const QString& item) {
    // Qt selects the first entry added to an empty list; Windows leaves the selection alone.
    const int index = currentIndex();
    const QString text = currentText();
    const QSignalBlocker blocker(this);
    insertItem(position, item);
    if (index == -1 && currentIndex() != -1) {
        setCurrentIndex(-1);
        setEditText(text);
    }
}

void ComboBox::setProgramIndex(int index) {
    const QSignalBlocker blocker(this);
    setCurrentIndex(index);
}

void ComboBox::setProgramText(const QString& text) {
    const QSignalBlocker blocker(this);
    setEditText(text);
}

}  // namespace orvane::platform::qt
