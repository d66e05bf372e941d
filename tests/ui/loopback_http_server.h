#pragma once

// A one-page HTTP server on 127.0.0.1 for the version check tests.

#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include "http_request_head.h"

namespace qichun::testing {

class LoopbackHttpServer : public QObject {
 public:
  // Answers every request with `status` and `body`; `silent` accepts and never answers.
  LoopbackHttpServer() {
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] { Accept(); });
  }

  void Answer(int status, QByteArray body, QByteArray extraHeaders = {}) {
    m_status = status;
    m_body = std::move(body);
    m_extraHeaders = std::move(extraHeaders);
    m_silent = false;
  }
  void NeverAnswer() { m_silent = true; }

  QUrl Url(const QString& path = QStringLiteral("/version.txt")) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
  }
  int Requests() const { return m_requests; }

 private:
  void Accept() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
      AnswerEachRequestHead(socket, [this](QTcpSocket* client) {
        if (m_silent) return;
        ++m_requests;
        const QByteArray head = "HTTP/1.1 " + QByteArray::number(m_status) + " Status\r\nContent-Type: text/plain\r\n" +
                                "Content-Length: " + QByteArray::number(m_body.size()) + "\r\n" + m_extraHeaders +
                                "Connection: close\r\n\r\n";
        client->write(head + m_body);
        client->disconnectFromHost();
      });
    }
  }

  QTcpServer m_server;
  int m_status = 200;
  QByteArray m_body;
  QByteArray m_extraHeaders;
  bool m_silent = false;
  int m_requests = 0;
};

}  // namespace qichun::testing
