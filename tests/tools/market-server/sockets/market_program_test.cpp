#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "tests/tools/market-server/sockets/test_client.h"

namespace fjordheim {
namespace {

// The program as a teacher starts it, on a port the system chooses.
class MarketProgram : public ::testing::Test {
 protected:
  void TearDown() override {
    if (Program.state() != QProcess::NotRunning) {
      Program.kill();
      Program.waitForFinished(TestTimeoutMs);
    }
  }

  // Starts the program and returns the port it announces in its printout, or 0.
  quint16 Start(const QStringList& arguments) {
    Printout.clear();
    Program.start(QStringLiteral(FJORDHEIM_MARKET_PROGRAM), arguments);
    if (!Program.waitForStarted(TestTimeoutMs)) return 0;
    WaitUntil([&] {
      Printout += Program.readAllStandardOutput();
      return Printout.contains("Ctrl+C") || Program.state() == QProcess::NotRunning;
    });
    const QRegularExpressionMatch port = QRegularExpression(QStringLiteral("\\n  PORT=(\\d+)\\n")).match(Printout);
    return port.hasMatch() ? static_cast<quint16>(port.captured(1).toUInt()) : 0;
  }

  bool Stop(int signalNumber) {
    ::kill(static_cast<pid_t>(Program.processId()), signalNumber);
    const bool finished = Program.waitForFinished(TestTimeoutMs);
    Printout += Program.readAllStandardOutput();
    return finished && Program.exitStatus() == QProcess::NormalExit && Program.exitCode() == 0;
  }

  QTemporaryDir Folder;
  QProcess Program;
  QString Printout;
};

TEST_F(MarketProgram, PrintsWhatToWriteInTunstadIniLogsWhoComesAndGoesAndStopsOnASignal) {
  const QString roster = Folder.filePath(QStringLiteral("5B.txt"));
  std::ofstream(roster.toStdString()) << "Åse\nBjørn\n";
  const QString logFile = Folder.filePath(QStringLiteral("marked.log"));
  const quint16 port = Start({"--port", "0", "--listen", "127.0.0.1", "--roster", roster, "--log", logFile});
  ASSERT_NE(port, 0) << Printout.toStdString();
  EXPECT_TRUE(Printout.contains("  TYPE=NETWORK\n  NAME=Klassens marked\n  IP=127.0.0.1\n")) << Printout.toStdString();

  {
    TTestClient ase(port);
    ase.Write(TestLogin(5555, "\xC5se"));
    ASSERT_TRUE(ase.WaitFor("LOGINACCEPT ID 1 ENDMESSAGE"));
    TTestClient mallory(port);
    mallory.Write(TestLogin(5555, "Mallory"));
    EXPECT_TRUE(mallory.WaitClosed());
    ase.Write("LOGOUT");
    ASSERT_TRUE(WaitUntil([&] {
      Printout += Program.readAllStandardOutput();
      return Printout.contains("logout ");
    }));
  }
  EXPECT_TRUE(Stop(SIGTERM)) << Printout.toStdString();
  EXPECT_TRUE(Printout.contains("stopped with 0 players present")) << Printout.toStdString();

  std::ifstream log(logFile.toStdString());
  std::stringstream lines;
  lines << log.rdbuf();
  const std::string written = lines.str();
  EXPECT_NE(written.find("  login   #1 Åse from 127.0.0.1, 1 present\n"), std::string::npos) << written;
  EXPECT_NE(written.find("  refused Mallory from 127.0.0.1: not on the roster, 1 present\n"), std::string::npos);
  EXPECT_NE(written.find("  logout  #1 Åse from 127.0.0.1, 0 present\n"), std::string::npos);
}

TEST_F(MarketProgram, StopsCleanlyOnCtrlCAndSaysWhyItCannotStart) {
  ASSERT_NE(Start({"--port", "0", "--listen", "127.0.0.1"}), 0) << Printout.toStdString();
  EXPECT_TRUE(Stop(SIGINT));

  QTcpServer taken;
  ASSERT_TRUE(taken.listen(QHostAddress::LocalHost, 0));
  EXPECT_EQ(Start({"--port", QString::number(taken.serverPort()), "--listen", "127.0.0.1"}), 0);
  ASSERT_TRUE(Program.state() == QProcess::NotRunning || Program.waitForFinished(TestTimeoutMs));
  EXPECT_EQ(Program.exitCode(), 1);
  EXPECT_TRUE(Program.readAllStandardError().startsWith("fjordheim-market: cannot listen on port "));

  Program.start(QStringLiteral(FJORDHEIM_MARKET_PROGRAM), {"--roster", Folder.filePath(QStringLiteral("none.txt"))});
  ASSERT_TRUE(Program.waitForFinished(TestTimeoutMs));
  EXPECT_EQ(Program.exitCode(), 1);
  EXPECT_TRUE(Program.readAllStandardError().startsWith("fjordheim-market: cannot read the roster "));
}

}  // namespace
}  // namespace fjordheim
