#pragma once
// The word picker as tests script it: answers from a script and records every request.
// Constructing one installs it; destroying it puts back the picker that was there.
#include "quillonedit/editors/WordPicker.h"

#include <deque>
#include <vector>

namespace quillon::testing {

class ScriptedWordPicker final : public WordPickerService {
public:
    ScriptedWordPicker() : previous_(&wordPicker()) { setWordPickerService(this); }
    ~ScriptedWordPicker() override { setWordPickerService(previous_); }
    ScriptedWordPicker(const ScriptedWordPicker&) = delete;
    ScriptedWordPicker& operator=(const ScriptedWordPicker&) = delete;

    WordPickerResult PickWords(const WordPickerRequest& request) override;

    // OK after picking these word numbers (Clear first when the item was locked); `text` is what
    // the dialog would show.
    void accept(const QString& text, const std::vector<int>& words);
    // OK without Clear: the original text back and nothing to write.
    void keep();
    // Cancel; also the answer once the script has run out.
    void cancel();

    struct Answer {
        enum Kind { Accept, Keep, Cancel } kind = Cancel;
        QString text;
        std::vector<int> words;
    };
    std::deque<Answer> answers;
    std::vector<WordPickerRequest> requests;

private:
    WordPickerService* previous_;
};

} // namespace quillon::testing
