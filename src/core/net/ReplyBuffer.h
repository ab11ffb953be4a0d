#pragma once

#include <QByteArray>
#include <QString>

// Gathers the pieces of one reply as they arrive on one connection. TCP keeps no message
// boundaries, so a reply counts as complete only when it ends a line or fills the buffer;
// the exchange also ends it when the peer closes or falls silent.
class ReplyBuffer
{
public:
    explicit ReplyBuffer(int capacity = 0) : m_capacity(capacity) {}

    // Takes bytes that arrived, one character each; those beyond the capacity are dropped.
    void add(const QByteArray& bytes);

    bool isEmpty() const { return m_text.isEmpty(); }
    // Ends with a line end (LF, with or without CR), or can take no more.
    bool isComplete() const;
    const QString& text() const { return m_text; }

private:
    int m_capacity;
    QString m_text;
};
