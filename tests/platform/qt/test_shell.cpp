// The Qt shell finds and opens folders by their bytes: a DATA folder whose path is not UTF-8 is
// found and handed to the file browser as that very folder.

#include <QDesktopServices>
#include <QTest>
#include <QUrl>

#include "platform/posix/byte_named_folder.h"
#include "platform/posix/path_bytes.h"
#include "platform/qt/qt_shell.h"

class ShellTest : public QObject {
    Q_OBJECT

  public slots:
    // Stands in for the file browser.
    void open(const QUrl& url) { opened_ << url; }

  private slots:
    void openFolder_nameOfAnyBytes_findsAndHandsOverThatFolder_data();
    void openFolder_nameOfAnyBytes_findsAndHandsOverThatFolder();

  private:
    QList<QUrl> opened_;
};

void ShellTest::openFolder_nameOfAnyBytes_findsAndHandsOverThatFolder_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("inAddress");

    QTest::newRow("UTF-8") << QByteArray("caf\xC3\xA9") << QByteArray("caf%C3%A9");
    QTest::newRow("not UTF-8") << QByteArray("caf\xE9") << QByteArray("caf%E9");
    QTest::newRow("space, percent and hash") << QByteArray("a b%#") << QByteArray("a%20b%25%23");
}

void ShellTest::openFolder_nameOfAnyBytes_findsAndHandsOverThatFolder() {
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, inAddress);

    const orvane::test::ByteNamedFolder program(name.toStdString());
    const std::filesystem::path dataPath = program.path() / "DATA";
    std::filesystem::create_directory(dataPath);
    const std::u16string data = orvane::platform::posix::decodePath(dataPath.native());
    orvane::platform::qt::QtShell shell;
    QVERIFY(shell.isDirectory(data));

    opened_.clear();
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
    const bool launched = shell.openFolder(data);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QVERIFY(launched);
    QCOMPARE(opened_.size(), 1);
    QCOMPARE(
        opened_[0].toEncoded(),
        "file://" + QByteArray::fromStdString(program.root().native()) + "/" + inAddress + "/DATA");
}

QTEST_MAIN(ShellTest)
#include "test_shell.moc"
