// The routes by which the mouse and the keyboard press the two picture buttons of the Qt window,
// with a shell that records what it is asked to open. Which folder and address they open, and
// the beep when nothing starts: tests/ui.

#include <QDir>
#include <QTest>
#include <QUrl>

#include "support/editor_fixture.h"
#include "ui/product_page.h"

using orvane::test::EditorFixture;

class LaunchersTest : public QObject {
    Q_OBJECT

  private slots:
    void clickFolderButton_opensTheDataFolder();
    void spaceOrEnterOnAButton_launchesItOnce_data();
    void spaceOrEnterOnAButton_launchesItOnce();
    void globeButton_opensTheProductPage();
};

void LaunchersTest::clickFolderButton_opensTheDataFolder() {
    EditorFixture editor;
    const QString dataPath = editor.folder() + "/DATA";
    QVERIFY(QDir().mkdir(dataPath));
    editor.start();
    QTest::mouseClick(editor.button(1), Qt::LeftButton);
    QCOMPARE(editor.shell.openedFolders.size(), 1u);
    QCOMPARE(QString::fromStdU16String(editor.shell.openedFolders[0]), dataPath);
}

void LaunchersTest::spaceOrEnterOnAButton_launchesItOnce_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("folder, Space") << 1 << Qt::Key_Space;
    QTest::newRow("folder, Enter") << 1 << Qt::Key_Return;
    QTest::newRow("globe, Space") << 2 << Qt::Key_Space;
    QTest::newRow("globe, Enter") << 2 << Qt::Key_Return;
}

void LaunchersTest::spaceOrEnterOnAButton_launchesItOnce() {
    QFETCH(int, button);
    QFETCH(Qt::Key, key);
    EditorFixture editor;
    editor.start();
    editor.button(button)->setFocus();
    QTest::keyClick(editor.button(button), key);
    const std::size_t launches =
        editor.shell.openedFolders.size() + editor.shell.openedAddresses.size();
    QCOMPARE(launches, 1u);
    QCOMPARE(button == 1 ? editor.shell.openedFolders.size() : editor.shell.openedAddresses.size(),
             1u);
}

void LaunchersTest::globeButton_opensTheProductPage() {
    EditorFixture editor;
    editor.start();
    QTest::mouseClick(editor.button(2), Qt::LeftButton);
    QCOMPARE(editor.shell.openedAddresses.size(), 1u);
    QCOMPARE(editor.shell.openedAddresses[0], orvane::kProductPageAddress);
    const QUrl url(QString::fromStdU16String(editor.shell.openedAddresses[0]), QUrl::StrictMode);
    QVERIFY(url.isValid());
    QCOMPARE(url.scheme(), QStringLiteral("http"));
    QCOMPARE(url.path(), QStringLiteral("/pm"));
    QVERIFY(editor.shell.openedFolders.empty());
}

QTEST_MAIN(LaunchersTest)
#include "test_launcher_routes.moc"
