// The data-folder and product-page buttons, with a shell that records what it is asked to open.

#include <QDir>
#include <QFile>
#include <QTest>
#include <QUrl>

#include "support/editor_fixture.h"
#include "ui/product_page.h"

using orvane::test::EditorFixture;

class LaunchersTest : public QObject {
    Q_OBJECT

  private slots:
    void folderButton_opensDataFolderOrProgramFolder_data();
    void folderButton_opensDataFolderOrProgramFolder();
    void clickFolderButtonInARootFolder_usesOneSeparator_data();
    void clickFolderButtonInARootFolder_usesOneSeparator();
    void spaceOrEnterOnAButton_launchesItOnce_data();
    void spaceOrEnterOnAButton_launchesItOnce();
    void globeButton_opensTheProductPage();
    void launchFailure_beepsAndCarriesOn();
};

void LaunchersTest::folderButton_opensDataFolderOrProgramFolder_data() {
    QTest::addColumn<QString>("subfolder");  // the program folder inside the temporary folder
    QTest::addColumn<QString>("data");       // "folder", "file" or "none"
    QTest::addColumn<bool>("opensData");
    QTest::newRow("DATA folder present") << "prog"
                                         << "folder" << true;
    QTest::newRow("no DATA") << "prog"
                             << "none" << false;
    QTest::newRow("DATA is a plain file") << "prog"
                                          << "file" << false;
    QTest::newRow("spaces and quotes") << "my \"PM\" 'tools'"
                                       << "folder" << true;
    QTest::newRow("semicolons and dollars") << "a;b & $(c)"
                                            << "folder" << true;
    QTest::newRow("spaces, no DATA") << "pm data"
                                     << "none" << false;
}

void LaunchersTest::folderButton_opensDataFolderOrProgramFolder() {
    QFETCH(QString, subfolder);
    QFETCH(QString, data);
    QFETCH(bool, opensData);
    EditorFixture editor;
    QDir root(editor.folder());
    QVERIFY(root.mkpath(subfolder));
    const QString programFolder = root.filePath(subfolder);
    const QString dataPath = programFolder + "/DATA";
    if (data == "folder") {
        QVERIFY(QDir().mkdir(dataPath));
    } else if (data == "file") {
        QFile file(dataPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    editor.start(programFolder);

    QTest::mouseClick(editor.button(1), Qt::LeftButton);
    QCOMPARE(editor.shell.openedFolders.size(), 1u);
    QCOMPARE(QString::fromStdU16String(editor.shell.openedFolders[0]),
             opensData ? dataPath : programFolder);
    QVERIFY(editor.shell.openedAddresses.empty());
    QCOMPARE(editor.shell.beeps, 0);
}

void LaunchersTest::clickFolderButtonInARootFolder_usesOneSeparator_data() {
    QTest::addColumn<bool>("hasData");
    QTest::newRow("with DATA") << true;
    QTest::newRow("without DATA") << false;
}

void LaunchersTest::clickFolderButtonInARootFolder_usesOneSeparator() {
    QFETCH(bool, hasData);
    EditorFixture editor;
    editor.shell.directories.emplace();
    if (hasData) {
        editor.shell.directories->insert(u"/DATA");
    }
    editor.start(QStringLiteral("/"));
    QTest::mouseClick(editor.button(1), Qt::LeftButton);
    QCOMPARE(editor.shell.openedFolders.size(), 1u);
    QCOMPARE(editor.shell.openedFolders[0], hasData ? u"/DATA" : u"/");
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

void LaunchersTest::launchFailure_beepsAndCarriesOn() {
    EditorFixture editor;
    orvane::Form1& form = editor.start();
    editor.shell.launchSucceeds = false;
    QTest::mouseClick(editor.button(1), Qt::LeftButton);
    QTest::mouseClick(editor.button(2), Qt::LeftButton);
    QCOMPARE(editor.shell.beeps, 2);
    QVERIFY(editor.window()->isVisible());
    QVERIFY(form.setHighAlarm(5));  // still working
}

QTEST_MAIN(LaunchersTest)
#include "test_launchers.moc"
