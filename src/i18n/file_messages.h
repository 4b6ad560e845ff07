#pragma once

#include <string>
#include <string_view>

#include "platform/file_access.h"

namespace orvane {

// What the user is told about SETTINGS.TXT, in the language of a caption table column (0 English,
// 1 French, 2 German, 3 Dutch; any other column is English).

// Why a file could not be read or written: the program's own sentence, or the system's words.
std::u16string fileProblemText(const platform::FileError& error, int column);

// The settings could not be saved: the sentence, a blank line, the file's path and the reason.
std::u16string saveFailureMessage(int column, std::u16string_view path,
                                  const platform::FileError& error);

// The settings could not be read completely: the same form.
std::u16string partialReadMessage(int column, std::u16string_view path,
                                  const platform::FileError& error);

// Values of the file that were not applied as they stand: the sentence, a blank line, the file's
// path and `detail`, the keys of those values or unreadableTextReason.
std::u16string notAppliedMessage(int column, std::u16string_view path, std::u16string_view detail);

// Why nothing of a file was applied: its text is in a form the editor does not read.
std::u16string_view unreadableTextReason(int column);

// Asked before a save replaces a file another program has changed since it was read.
std::u16string_view changedOnDiskQuestion(int column);

}  // namespace orvane
