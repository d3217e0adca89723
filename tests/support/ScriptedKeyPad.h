#pragma once
// The keypad as tests script it: answers from a script (nullopt = Cancel) and records every
// request. Constructing one installs it; destroying it puts back the keypad that was there.
#include "quillonedit/editors/KeyPadService.h"

#include <deque>
#include <optional>
#include <vector>

namespace quillon::testing {

class ScriptedKeyPad final : public KeyPadService {
public:
    ScriptedKeyPad() : previous_(&keyPad()) { setKeyPadService(this); }
    ~ScriptedKeyPad() override { setKeyPadService(previous_); }
    ScriptedKeyPad(const ScriptedKeyPad&) = delete;
    ScriptedKeyPad& operator=(const ScriptedKeyPad&) = delete;

    KeyPadResult GetKeyPadEntry(const KeyPadRequest& request) override
    {
        requests.push_back(request);
        if (answers.empty() || !answers.front()) {
            if (!answers.empty())
                answers.pop_front();
            return {request.initial, false};
        }
        KeyPadResult r{*answers.front(), true};
        answers.pop_front();
        return r;
    }
    void accept(const QString& text) { answers.emplace_back(text); }
    void cancel() { answers.emplace_back(std::nullopt); }

    std::deque<std::optional<QString>> answers;
    std::vector<KeyPadRequest> requests;

private:
    KeyPadService* previous_;
};

} // namespace quillon::testing
