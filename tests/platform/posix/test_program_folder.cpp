// The program's folder is found by its exact bytes, whatever its name holds.

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTest>
#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "byte_named_folder.h"
#include "platform/file_access.h"
#include "platform/posix/system_calls.h"

namespace {

// What the program at `path` prints, started through `loader` unless that is empty, or nothing when
// it does not run or fails.
std::optional<std::string> outputOf(const std::string& loader, const std::string& path) {
    std::array<int, 2> pipeEnds{};
    if (pipe(pipeEnds.data()) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::array<char*, 3> arguments = {const_cast<char*>(path.c_str()), nullptr, nullptr};
    if (!loader.empty()) {
        arguments = {const_cast<char*>(loader.c_str()), const_cast<char*>(path.c_str()), nullptr};
    }
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, arguments[0], &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    std::string output;
    std::array<char, 256> buffer{};
    for (ssize_t got = 0; (got = read(pipeEnds[0], buffer.data(), buffer.size())) > 0;) {
        output.append(buffer.data(), static_cast<std::size_t>(got));
    }
    close(pipeEnds[0]);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return output;
}

}  // namespace

class TestProgramFolder : public QObject {
    Q_OBJECT

  private slots:
    void programFolder_folderOfAnyName_givesItsExactBytes_data();
    void programFolder_folderOfAnyName_givesItsExactBytes();
    void programFolder_systemDoesNotTell_givesNothing();
};

void TestProgramFolder::programFolder_folderOfAnyName_givesItsExactBytes_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("startedThroughLink");
    QTest::addColumn<QString>("loader");  // where a medium lets no program run
    QTest::addColumn<QString>("built");

    const QString program = PRINT_PROGRAM_FOLDER;
    QTest::newRow("UTF-8") << QByteArray("caf\xC3\xA9") << false << QString() << program;
    QTest::newRow("not UTF-8") << QByteArray("caf\xE9") << false << QString() << program;
    QTest::newRow("started through a link elsewhere")
        << QByteArray("caf\xE9") << true << QString() << program;
    QTest::newRow("started by the program loader")
        << QByteArray("caf\xE9") << false << QString(PROGRAM_LOADER) << program;
    // Its code lies low, where /proc/self/maps writes addresses with leading zeros.
    QTest::newRow("built at a fixed address")
        << QByteArray("caf\xE9") << false << QString() << QString(PRINT_PROGRAM_FOLDER_FIXED);
}

void TestProgramFolder::programFolder_folderOfAnyName_givesItsExactBytes() {
    QFETCH(QByteArray, name);
    QFETCH(bool, startedThroughLink);
    QFETCH(QString, loader);
    QFETCH(QString, built);

    const orvane::test::ByteNamedFolder folder(name.toStdString());
    const std::filesystem::path program = folder.path() / "print_program_folder";
    std::filesystem::copy_file(built.toStdString(), program);
    std::filesystem::path started = program;
    if (startedThroughLink) {
        started = folder.root() / "link";
        std::filesystem::create_symlink(program, started);
    }

    const std::optional<std::string> output = outputOf(loader.toStdString(), started.native());
    QVERIFY(output);
    QCOMPARE(QByteArray::fromStdString(*output), QByteArray::fromStdString(folder.path().native()));
}

void TestProgramFolder::programFolder_systemDoesNotTell_givesNothing() {
    auto& table = orvane::platform::posix::systemCallTable();
    orvane::platform::posix::SystemCalls calls = table.system();
    calls.readlink = [](const char*, char*, std::size_t) -> ssize_t {
        errno = ENOENT;
        return -1;
    };
    const orvane::platform::CallTable<orvane::platform::posix::SystemCalls>::Replacement scope(
        table, calls);
    QVERIFY(!orvane::platform::programFolder());
}

QTEST_APPLESS_MAIN(TestProgramFolder)
#include "test_program_folder.moc"
