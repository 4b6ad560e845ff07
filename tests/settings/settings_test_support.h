#pragma once

#include <string>
#include <string_view>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QTest>

#include "fake_editor_state.h"
#include "platform/file_access.h"

namespace orvane::test {

inline QString toQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// Lets QCOMPARE show both sides of a mismatch.
inline char* toString(const SettingValues& values) {
    const QString text =
        QStringLiteral("job \"%1\", high %2, low %3, sms \"%4\" \"%5\" \"%6\", language %7")
            .arg(toQString(values.job))
            .arg(values.highAlarm)
            .arg(values.lowAlarm)
            .arg(toQString(values.sms[0]), toQString(values.sms[1]), toQString(values.sms[2]))
            .arg(values.language);
    return qstrdup(text.toUtf8().constData());
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace orvane::test

namespace orvane::platform {

// Lets QCOMPARE show both sides of a mismatch.
inline char* toString(const FileError& error) {
    const QString text = QStringLiteral("problem %1, reason \"%2\"")
                             .arg(static_cast<int>(error.problem))
                             .arg(orvane::test::toQString(error.reason));
    return qstrdup(text.toUtf8().constData());
}

}  // namespace orvane::platform

Q_DECLARE_METATYPE(orvane::test::SettingValues)
Q_DECLARE_METATYPE(orvane::platform::FileError)
