#pragma once

#include <QComboBox>

#include "platform/form_events.h"

namespace orvane::platform::qt {

// A drop-down combo box as on Windows: an editable text field over a fixed entry list. Choosing
// an entry is reported; typing never adds an entry and clears the selection without a report.
class ComboBox final : public QComboBox {
  public:
    ComboBox(ControlId id, FormEvents& events, QWidget* parent);

    void insertProgramItem(int position, const QString& item);
    void setProgramIndex(int index);
    void setProgramText(const QString& text);

  private:
    void clearSelectionKeepingText();
};

}  // namespace orvane::platform::qt
