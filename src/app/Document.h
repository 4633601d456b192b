// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

namespace corvel {

class ChatScene;

// The program keeps no documents: a Document only brings up the chat window, and all state lives
// in the settings store.
class Document {
public:
    Document();
    ~Document();
    Document(const Document &) = delete;
    Document &operator=(const Document &) = delete;

    // Creates the chat window: its frame, its view and its controller, loaded and shown, or
    // loaded and hidden behind the tray icon.
    void makeWindowControllers(bool hidden = false);
    // The program was launched again: its window comes back to the front.
    void reopen();

private:
    std::unique_ptr<ChatScene> m_scene;
};

} // namespace corvel
