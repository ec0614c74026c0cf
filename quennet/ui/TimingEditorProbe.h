#pragma once
// What the tests may see of the editor beyond its controls: its state, read only.
#include "TimingEditor.h"

namespace quennet {

class TimingEditorProbe {
public:
    explicit TimingEditorProbe(const TimingEditor& editor) : editor_(editor) { }

    const EditorState& state() const { return editor_.state_; }

private:
    const TimingEditor& editor_;
};

}  // namespace quennet
