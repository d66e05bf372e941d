// Process start to the first results shown, measured from outside the process:
// the probe is spawned with its version page on a loopback server run here.
// Also reports the probe's peak resident memory over the whole start-up.

#include <netinet/in.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <benchmark/benchmark.h>

extern char** environ;

namespace {

// Serves the current version page to every connection until destroyed.
class VersionPageServer {
 public:
  VersionPageServer() {
    m_socket = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(m_socket, 8);
    socklen_t length = sizeof address;
    getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { Serve(); });
  }
  ~VersionPageServer() {
    m_stopping = true;
    shutdown(m_socket, SHUT_RDWR);
    close(m_socket);
    m_thread.join();
  }
  std::string Url() const { return "http://127.0.0.1:" + std::to_string(m_port) + "/version.txt"; }

 private:
  void Serve() {
    const std::string body = "开始[1.13|x]";
    const std::string response = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                                 std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    while (!m_stopping) {
      const int client = accept(m_socket, nullptr, nullptr);
      if (client < 0) continue;
      std::string request;
      char buffer[1024];
      while (request.find("\r\n\r\n") == std::string::npos) {
        const ssize_t got = read(client, buffer, sizeof buffer);
        if (got <= 0) break;
        request.append(buffer, static_cast<std::size_t>(got));
      }
      if (write(client, response.data(), response.size()) < 0) {}
      close(client);
    }
  }

  int m_socket = -1;
  unsigned short m_port = 0;
  std::atomic<bool> m_stopping{false};
  std::thread m_thread;
};

void BM_StartToFirstResults(benchmark::State& state) {
  VersionPageServer server;
  const std::string url = server.Url();
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (std::strncmp(*entry, "QT_QPA_PLATFORM=", 16) != 0) environment.emplace_back(*entry);
  }
  environment.emplace_back("QT_QPA_PLATFORM=offscreen");
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);
  long peakKib = 0;

  for (auto _ : state) {
    int output[2];
    if (pipe(output) != 0) state.SkipWithError("no pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    std::string program = QICHUN_STARTUP_PROBE;
    std::string argument = url;
    char* argv[] = {program.data(), argument.data(), nullptr};

    const auto started = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), &actions, nullptr, argv, envp.data()) != 0) {
      state.SkipWithError("cannot start the probe");
      break;
    }
    close(output[1]);
    std::string said;
    char buffer[64];
    while (said.find("shown\n") == std::string::npos) {
      const ssize_t got = read(output[0], buffer, sizeof buffer);
      if (got <= 0) break;
      said.append(buffer, static_cast<std::size_t>(got));
    }
    const auto shown = std::chrono::steady_clock::now();
    close(output[0]);
    posix_spawn_file_actions_destroy(&actions);

    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (said.find("shown\n") == std::string::npos || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("the probe did not show its results");
      break;
    }
    peakKib = std::max(peakKib, usage.ru_maxrss);
    state.SetIterationTime(std::chrono::duration<double>(shown - started).count());
  }
  state.counters["peak_rss_MiB"] = static_cast<double>(peakKib) / 1024.0;
}
BENCHMARK(BM_StartToFirstResults)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3);

}  // namespace

BENCHMARK_MAIN();
