// The classroom market server under load, on loopback: the real program in a process of its own,
// and N games (plain sockets, read through the game's own framer and reader) that log in one by
// one, a fifth of them dropping at random and coming back. Reports how long the server takes to
// tell everyone present that someone came (the fan-out, p50 and p99), the server's peak resident
// memory, and how many announcements a game missed (must be 0).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <signal.h>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <numeric>
#include <random>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "core/trade/message_framer.h"
#include "core/trade/server_message.h"

namespace {

using namespace fjordheim;
using TClock = std::chrono::steady_clock;

// The market server as a child process, its printout going to a file.
class TServerProcess {
 public:
  explicit TServerProcess(std::size_t maxClients) {
    char name[] = "/tmp/fjordheim-market-bench-XXXXXX";
    const int output = ::mkstemp(name);
    FOutput = name;
    FPid = ::fork();
    if (FPid == 0) {
      ::dup2(output, STDOUT_FILENO);
      const std::string clients = std::to_string(maxClients);
      ::execl(FJORDHEIM_MARKET_PROGRAM, "fjordheim-market", "--port", "0", "--listen", "127.0.0.1", "--max-clients",
              clients.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(output);
    for (int tries = 0; tries < 500 && Port == 0; ++tries) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      std::ifstream printout(FOutput);
      std::string line;
      while (std::getline(printout, line)) {
        if (line.starts_with("  PORT=")) Port = static_cast<std::uint16_t>(std::stoi(line.substr(7)));
      }
    }
    if (Port == 0) throw std::runtime_error("the market server did not start");
  }

  ~TServerProcess() {
    ::kill(FPid, SIGTERM);
    ::waitpid(FPid, nullptr, 0);
    std::remove(FOutput.c_str());
  }

  // The most memory the server has held resident, in MiB.
  double PeakResidentMiB() const {
    std::ifstream status("/proc/" + std::to_string(FPid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
      if (line.starts_with("VmHWM:")) return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
  }

  // The processor time the server has used so far, in milliseconds.
  double ProcessorMs() const {
    std::ifstream stat("/proc/" + std::to_string(FPid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    double ticks = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
      if (i >= 14) ticks += std::stod(field);
    }
    return ticks * 1000.0 / static_cast<double>(::sysconf(_SC_CLK_TCK));
  }

  std::uint16_t Port = 0;

 private:
  pid_t FPid = -1;
  std::string FOutput;
};

// One game's end of the server link: what it was told, as the game reads it.
struct TGame {
  int Socket = -1;
  std::int32_t Id = 0;
  std::set<std::int32_t> Present;
  TMessageFramer Framer{TFraming::ServerLink};
};

class TLoad {
 public:
  TLoad(std::uint16_t port, std::size_t games) : FPort(port), FGames(games), FEpoll(::epoll_create1(0)) {}
  ~TLoad() {
    for (TGame& game : FGames) {
      if (game.Socket >= 0) ::close(game.Socket);
    }
    ::close(FEpoll);
  }

  // Logs game i in and waits until everyone present has heard of it; returns the fan-out time.
  double Arrive(std::size_t i) {
    TGame& game = FGames[i];
    game = TGame{};
    game.Socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(FPort);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(game.Socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
      throw std::runtime_error("cannot connect");
    ::fcntl(game.Socket, F_SETFL, O_NONBLOCK);
    epoll_event event{EPOLLIN, {.u64 = i}};
    ::epoll_ctl(FEpoll, EPOLL_CTL_ADD, game.Socket, &event);
    const std::string login = "LOGIN PORT 5555 IMAGE 1 NAME Elev " + std::to_string(i) + " ENDMESSAGE";
    // Ids count up from 1, so the newcomer's is known before the server's answer.
    FWatched = ++FLastId;
    FHeard = 0;
    const TClock::time_point start = TClock::now();
    if (::write(game.Socket, login.data(), login.size()) != static_cast<ssize_t>(login.size()))
      throw std::runtime_error("cannot write");
    PumpUntil([&] { return game.Id != 0; });
    if (game.Id != FWatched) ++Errors;
    PumpUntil([&] { return FHeard == FLoggedIn; });
    ++FLoggedIn;
    return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
  }

  // Game i's connection breaks off; waits until everyone else has heard LEFT.
  void Drop(std::size_t i) {
    TGame& game = FGames[i];
    FWatched = game.Id;
    FHeard = 0;
    ::close(game.Socket);
    game.Socket = -1;
    --FLoggedIn;
    PumpUntil([&] { return FHeard == FLoggedIn; });
  }

  // Games whose list of who is present is not exactly everyone else connected.
  std::size_t GamesWithAWrongList() const {
    std::set<std::int32_t> everyone;
    for (const TGame& game : FGames) {
      if (game.Socket >= 0) everyone.insert(game.Id);
    }
    std::size_t wrong = Errors;
    for (const TGame& game : FGames) {
      if (game.Socket < 0) continue;
      std::set<std::int32_t> others = everyone;
      others.erase(game.Id);
      if (others != game.Present) ++wrong;
    }
    return wrong;
  }

  std::size_t Errors = 0;

 private:
  template <typename TCondition>
  void PumpUntil(TCondition done) {
    const TClock::time_point deadline = TClock::now() + std::chrono::seconds(30);
    std::vector<epoll_event> events(256);
    while (!done()) {
      if (TClock::now() > deadline) throw std::runtime_error("the market server stopped answering");
      const int ready = ::epoll_wait(FEpoll, events.data(), static_cast<int>(events.size()), 100);
      for (int e = 0; e < ready; ++e) Read(FGames[events[static_cast<std::size_t>(e)].data.u64]);
    }
  }

  void Read(TGame& game) {
    char buffer[65536];
    for (;;) {
      const ssize_t got = ::read(game.Socket, buffer, sizeof buffer);
      if (got <= 0) return;
      for (const std::string& message : game.Framer.Feed(std::string_view(buffer, static_cast<std::size_t>(got)))) {
        Take(game, message);
      }
    }
  }

  void Take(TGame& game, std::string_view message) {
    const TReadResult<TServerMessage> read = ReadServerMessage(message);
    if (!read.Message) {
      ++Errors;
      return;
    }
    const TServerMessage& told = *read.Message;
    if (told.Kind == TServerMessageKind::LoginAccept) game.Id = told.Id;
    if (told.Kind == TServerMessageKind::Entered && (told.Id == game.Id || !game.Present.insert(told.Id).second))
      ++Errors;
    if (told.Kind == TServerMessageKind::Left && game.Present.erase(told.Id) != 1) ++Errors;
    if (told.Kind != TServerMessageKind::LoginAccept && told.Id == FWatched) ++FHeard;
  }

  // The player whose coming or going is being spread, and how many games have heard of it.
  std::int32_t FWatched = 0;
  std::size_t FHeard = 0;
  std::size_t FLoggedIn = 0;
  std::int32_t FLastId = 0;

  std::uint16_t FPort;
  std::vector<TGame> FGames;
  int FEpoll;
};

double Percentile(std::vector<double> samples, double fraction) {
  std::sort(samples.begin(), samples.end());
  return samples[std::min(samples.size() - 1, static_cast<std::size_t>(fraction * static_cast<double>(samples.size())))];
}

void MarketLoad(benchmark::State& state) {
  const auto games = static_cast<std::size_t>(state.range(0));
  std::vector<double> fanOuts;
  double peakMiB = 0;
  double serverMs = 0;
  std::size_t wrong = 0;
  for (auto _ : state) {
    TServerProcess server(games + 10);
    TLoad load(server.Port, games);
    for (std::size_t i = 0; i < games; ++i) fanOuts.push_back(load.Arrive(i));
    std::mt19937 rng(42);
    std::vector<std::size_t> order(games);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), rng);
    order.resize(games / 5);
    for (std::size_t i : order) load.Drop(i);
    for (std::size_t i : order) fanOuts.push_back(load.Arrive(i));
    wrong = load.GamesWithAWrongList();
    peakMiB = server.PeakResidentMiB();
    serverMs = server.ProcessorMs();
  }
  state.counters["fanout_p50_ms"] = Percentile(fanOuts, 0.50);
  state.counters["fanout_p99_ms"] = Percentile(fanOuts, 0.99);
  state.counters["server_peak_MiB"] = peakMiB;
  state.counters["server_cpu_ms_per_arrival"] = serverMs / static_cast<double>(fanOuts.size());
  state.counters["games_missing_news"] = static_cast<double>(wrong);
}

BENCHMARK(MarketLoad)->Arg(100)->Arg(500)->Arg(1000)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
