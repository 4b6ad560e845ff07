#include "platform/qt/text_box.h"

#include <QKeyEvent>
#include <QValidator>
#include <utility>

namespace orvane::platform::qt {

// Puts every change that inserts text to the program's rule, whatever route the text took:
// typing, paste by key or menu, middle-click, drag and drop or an input method. Comparing with
// the text before the change finds what was inserted. It only judges: the field tells of a
// refusal afterwards, through QLineEdit::inputRejected.
class InsertionGuard final : public QValidator {
  public:
    InsertionGuard(ControlId id, const FormEvents& events, QLineEdit* field)
        : QValidator(field), id_(id), events_(events), before_(field->text()) {
        connect(field, &QLineEdit::textChanged, this,
                [this](const QString& text) { before_ = text; });
    }

    void setBypassed(bool bypassed) { bypassed_ = bypassed; }

    // Whether the field's last rejected input was refused here; the field also rejects what
    // would not fit its length, which is no refusal of the rule.
    bool takeRefusal() { return std::exchange(refused_, false); }

    State validate(QString& input, int& /*pos*/) const override {
        refused_ = false;
        if (bypassed_) {
            return Acceptable;
        }
        const QStringView inserted = insertedPart(before_, input);
        if (inserted.isEmpty()) {
            return Acceptable;
        }
        const std::u16string_view text(reinterpret_cast<const char16_t*>(inserted.utf16()),
                                       static_cast<std::size_t>(inserted.size()));
        refused_ = !events_.allowsInsertion(id_, text);
        return refused_ ? Invalid : Acceptable;
    }

  private:
    static QStringView insertedPart(QStringView before, QStringView after) {
        qsizetype prefix = 0;
        while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) {
            ++prefix;
        }
        qsizetype suffix = 0;
        while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
               before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
            ++suffix;
        }
        return after.mid(prefix, after.size() - prefix - suffix);
    }

    ControlId id_;
    const FormEvents& events_;
    QString before_;
    bool bypassed_ = false;
    mutable bool refused_ = false;
};

TextBox::TextBox(ControlId id, FormEvents& events, QWidget* parent)
    : QLineEdit(parent), id_(id), events_(events), guard_(new InsertionGuard(id, events, this)) {
    setValidator(guard_);
    connect(this, &QLineEdit::inputRejected, this, [this] {
        if (guard_->takeRefusal()) {
            events_.insertionRefused(id_);
        }
    });
}

void TextBox::setProgramText(const QString& text) {
    guard_->setBypassed(true);
    setText(text);
    guard_->setBypassed(false);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    if (const int code = characterCode(*event); code != 0) {
        auto keyAscii = static_cast<std::int16_t>(code);
        events_.keyPress(id_, keyAscii);
        if (keyAscii == 0) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

int characterCode(const QKeyEvent& event) {
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    if (key == Qt::Key_Delete || (key >= Qt::Key_Home && key <= Qt::Key_PageDown) ||
        key == Qt::Key_Insert || (key >= Qt::Key_F1 && key <= Qt::Key_F35)) {
        return 0;
    }
    if (control && !alt) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z) {
            return key - Qt::Key_A + 1;
        }
        if (key == Qt::Key_Backspace) {
            return 0x7F;
        }
    }
    const QString text = event.text();
    if (text.size() == 1 && !alt) {
        return text.front().unicode();
    }
    return 0;
}

}  // namespace orvane::platform::qt
