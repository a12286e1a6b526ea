#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkInterface>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/market-server/market_options.h"
#include "tools/market-server/market_server.h"
#include "tools/market-server/stop_signals.h"

namespace {

using namespace fjordheim;

int Fail(const std::string& reason) {
  std::cerr << "fjordheim-market: " << reason << '\n';
  return 1;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The addresses the pupils' games can reach this machine at: the outward ones first, and the
// machine's own last, for games on the same machine.
std::vector<QString> ReachableAddresses(const QHostAddress& listened) {
  if (listened != QHostAddress::Any) return {ShownAddress(listened)};
  std::vector<QString> outward;
  for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
    if (address.protocol() != QAbstractSocket::IPv4Protocol || address.isLoopback() || address.isLinkLocal()) continue;
    outward.push_back(address.toString());
  }
  outward.push_back(QStringLiteral("127.0.0.1"));
  return outward;
}

// Every game holds a descriptor; a thousand are more than a process gets by default.
void RaiseDescriptorLimit(std::size_t maxClients) {
  rlimit limit{};
  if (::getrlimit(RLIMIT_NOFILE, &limit) != 0) return;
  const rlim_t wanted = std::min<rlim_t>(limit.rlim_max, static_cast<rlim_t>(maxClients) + 64);
  if (limit.rlim_cur >= wanted) return;
  limit.rlim_cur = wanted;
  ::setrlimit(RLIMIT_NOFILE, &limit);
}

void PrintWelcome(const std::vector<QString>& addresses, quint16 port, const TMarketOptions& options) {
  std::cout << "fjordheim-market: the market is open on port " << port << ".\n"
            << "Add this section to tunstad.ini beside each pupil's game (as [Market" << "N], with\n"
            << "N one more than MARKETS in [Market], and raise MARKETS to N):\n"
            << "  TYPE=NETWORK\n"
            << "  NAME=Klassens marked\n"
            << "  IP=" << addresses.front().toStdString() << '\n'
            << "  PORT=" << port << '\n';
  if (addresses.size() > 1) {
    std::cout << "Other addresses of this machine:";
    for (std::size_t i = 1; i < addresses.size(); ++i) std::cout << " IP=" << addresses[i].toStdString();
    std::cout << " (127.0.0.1 only for games on this machine)\n";
  }
  if (!options.RosterFile.empty()) std::cout << "Only the names in " << options.RosterFile << " are let in.\n";
  if (!options.LogFile.empty()) std::cout << "Logins, logouts and drops are written to " << options.LogFile << ".\n";
  std::cout << "Stop the market with Ctrl+C." << std::endl;
}

}  // namespace

int main(int argc, char** argv) {
  // Qt's own event dispatcher keeps a thousand sockets in a table; the GLib one walks a list of
  // them each time a socket starts or stops waiting to write.
  qputenv("QT_NO_GLIB", "1");
  QCoreApplication app(argc, argv);
  const TMarketParseResult parsed = ParseMarketArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.Options) return Fail(parsed.Error + "\nTry 'fjordheim-market --help'.");
  const TMarketOptions& options = *parsed.Options;
  if (options.Help) {
    std::cout << MarketUsage();
    return 0;
  }

  std::optional<TRoster> roster;
  if (!options.RosterFile.empty()) {
    const std::optional<std::string> text = ReadWholeFile(options.RosterFile);
    if (!text) return Fail("cannot read the roster " + options.RosterFile);
    roster = TRoster::FromText(*text);
    if (roster->Size() == 0) return Fail("the roster " + options.RosterFile + " holds no names, so nobody could log in");
  }
  TMarketLog log(std::cout);
  if (!options.LogFile.empty() && !log.OpenFile(options.LogFile)) {
    return Fail("cannot write the log " + options.LogFile);
  }
  QHostAddress address = QHostAddress::Any;
  if (!options.ListenAddress.empty() && !address.setAddress(QString::fromStdString(options.ListenAddress))) {
    return Fail("'" + options.ListenAddress + "' is not an address of this machine's kind (like 192.168.1.20)");
  }

  RaiseDescriptorLimit(options.MaxClients);
  TMarketServer server(TMarketLimits::ForClients(options.MaxClients), std::move(roster), log);
  if (!server.Listen(address, options.Port)) {
    return Fail("cannot listen on port " + std::to_string(options.Port) + ": " + server.ErrorString().toStdString());
  }
  std::signal(SIGPIPE, SIG_IGN);
  TStopSignals stopSignals;
  QObject::connect(&stopSignals, &TStopSignals::Stop, &app, [&server](int) {
    std::cout << "fjordheim-market: stopped with " << server.PlayerCount() << " players present." << std::endl;
    QCoreApplication::quit();
  });
  PrintWelcome(ReachableAddresses(address), server.Port(), options);
  return app.exec();
}
