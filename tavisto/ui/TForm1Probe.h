#pragma once
// What the tests, the benchmark and the screenshot tool may see of the main window beyond its
// controls: its state, read only, its overview window, and a way to put a whole timing set in
// front of the editor without a file.

#include "TForm1.h"
#include "TForm2.h"

namespace tavisto {

class TForm1Probe {
public:
    explicit TForm1Probe(TForm1& window) : window_(window) { }

    const EditorState& state() const { return window_.state_; }
    TForm2* overview() const { return window_.overview_; }

    // Replaces the tables and settings in memory and shows the timing again, as an open would.
    void showTimings(const TimingSet& timings)
    {
        window_.state_.Timings = timings;
        window_.RedrawEdit();
        window_.loadShownTiming();
        emit window_.scheduleChanged();
    }

private:
    TForm1& window_;
};

}  // namespace tavisto
