// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/trace.h"

#include "platform/standard_output.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <string_view>
#include <thread>
#include <utility>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

TraceSink &sink()
{
    static TraceSink current;
    return current;
}

bool isHidden(QChar character)
{
    const char16_t code = character.unicode();
    if (code < 0x7F) // most of what is traced, decided at once
        return code < 0x20 && code != u'\t';
    return code <= 0x9F ||
           // the Arabic letter mark; zero-width characters and direction marks; line and paragraph
           // separators, embeddings and overrides; word joiner, invisible operators and isolates
           code == 0x061C || (code >= 0x200B && code <= 0x200F) || (code >= 0x2028 && code <= 0x202E) ||
           (code >= 0x2060 && code <= 0x2069) || code == 0xFEFF;
}

QByteArray visibleLine(QStringView line)
{
    // One line a datagram: a line with nothing to mark is encoded as it is, without a copy first.
    QByteArray bytes = std::ranges::none_of(line, isHidden) ? line.toUtf8() : visibleText(line).toUtf8();
    bytes += '\n';
    return bytes;
}

} // namespace

QString visibleText(QStringView text)
{
    if (std::ranges::none_of(text, isHidden))
        return text.toString();
    static constexpr std::u16string_view hexDigits = u"0123456789ABCDEF";
    QString shown;
    shown.reserve(text.size() + 16);
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        if (!isHidden(character)) {
            shown += character;
            continue;
        }
        shown += code <= 0xFF ? u"\\x"_s : u"\\u"_s;
        for (int shift = code <= 0xFF ? 4 : 12; shift >= 0; shift -= 4)
            shown += QChar(hexDigits[(code >> shift) & 0xF]);
    }
    return shown;
}

namespace {

struct Batch {
    int depth = 0;
    QByteArray lines;
};

Batch &batch()
{
    static Batch current;
    return current;
}

// Standard output may be a terminal stopped with Ctrl+S, a pty or a pipe nobody reads: only this
// thread ever waits for it. The program hands lines over and goes on; when too much is waiting,
// a new line is dropped whole and counted, and the count is written once output moves again.
class StandardOutputWriter {
public:
    StandardOutputWriter()
    {
        ignoreClosedStandardOutput();
        std::thread([this] { run(); }).detach();
        std::atexit([] { instance().waitUntilWritten(); });
    }

    // Never destroyed: the thread may still be blocked in write() while the process ends.
    static StandardOutputWriter &instance()
    {
        static auto *const writer = new StandardOutputWriter;
        return *writer;
    }

    // Whole lines, each ended by a newline.
    void write(QByteArray lines)
    {
        const std::lock_guard lock(m_mutex);
        const bool wasIdle = m_lines.empty();
        if (fits(lines)) {
            pushDropCount();
            push(std::move(lines));
        } else {
            // Line by line, what still fits.
            for (QByteArrayView rest = lines; !rest.isEmpty();) {
                const QByteArrayView line = rest.first(rest.indexOf('\n') + 1);
                rest = rest.sliced(line.size());
                if (!fits(line)) {
                    ++m_dropped;
                    continue;
                }
                pushDropCount();
                push(line.toByteArray());
            }
        }
        if (wasIdle)
            m_wake.notify_one();
    }

private:
    // Waiting lines, and the batch being written, stay within this.
    static constexpr std::size_t maxPendingBytes = std::size_t(1) << 20;
    // What is still waiting when the program ends gets this long to reach standard output.
    static constexpr std::chrono::seconds exitWait{1};

    [[nodiscard]] bool fits(QByteArrayView lines) const
    {
        return m_pendingBytes + std::size_t(lines.size()) <= maxPendingBytes;
    }

    void push(QByteArray line)
    {
        m_pendingBytes += std::size_t(line.size());
        m_lines.push_back(std::move(line));
    }

    // The count goes where the lines went missing.
    void pushDropCount()
    {
        if (m_dropped > 0)
            push(">>> " + QByteArray::number(std::exchange(m_dropped, 0)) +
                 " diagnostic lines dropped: standard output did not keep up\n");
    }

    // Everything waiting goes out in one write: a flood of lines costs few system calls.
    void run()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [this] { return !m_lines.empty(); });
            std::deque<QByteArray> lines;
            lines.swap(m_lines);
            lock.unlock();
            QByteArray batch;
            for (const QByteArray &line : lines)
                batch += line;
            writeStandardOutput(batch);
            lock.lock();
            m_pendingBytes -= std::size_t(batch.size());
            if (m_pendingBytes == 0)
                m_written.notify_all();
        }
    }

    void waitUntilWritten()
    {
        std::unique_lock lock(m_mutex);
        pushDropCount();
        m_wake.notify_one();
        m_written.wait_for(lock, exitWait, [this] { return m_pendingBytes == 0; });
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_written;
    std::deque<QByteArray> m_lines;
    std::size_t m_pendingBytes = 0;
    std::uint64_t m_dropped = 0;
};

} // namespace

void trace(QStringView line)
{
    if (sink()) {
        sink()(line);
        return;
    }
    if (batch().depth > 0) {
        batch().lines += visibleLine(line);
        return;
    }
    StandardOutputWriter::instance().write(visibleLine(line));
}

TraceBatch::TraceBatch()
{
    ++batch().depth;
}

TraceBatch::~TraceBatch()
{
    if (--batch().depth == 0 && !batch().lines.isEmpty())
        StandardOutputWriter::instance().write(std::exchange(batch().lines, {}));
}

TraceSink setTraceSink(TraceSink newSink)
{
    return std::exchange(sink(), std::move(newSink));
}

} // namespace corvel
