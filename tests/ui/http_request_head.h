#pragma once

// The loopback test servers answer once the head of a request has arrived.

#include <QByteArray>
#include <QObject>
#include <QTcpSocket>

#include <functional>
#include <memory>

namespace qichun::testing {

// Calls `answer` on `socket` each time a full request head ("\r\n\r\n") has been read;
// the socket is deleted when the client goes away.
inline void AnswerEachRequestHead(QTcpSocket* socket, std::function<void(QTcpSocket*)> answer) {
  QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
  auto received = std::make_shared<QByteArray>();
  QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, received, answer = std::move(answer)] {
    *received += socket->readAll();
    if (!received->contains("\r\n\r\n")) return;
    received->clear();
    answer(socket);
  });
}

}  // namespace qichun::testing
