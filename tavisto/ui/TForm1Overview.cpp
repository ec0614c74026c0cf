// The overview list of the edited table: opening it, filling its rows, and its two commands.
#include "TForm1.h"

#include "AppTexts.h"
#include "TForm2.h"

namespace tavisto {

void TForm1::Button11Click()
{
    // The shown timing is stored first, so the list shows it as it stands.
    if (!storeShownTiming())
        return;
    overview_ = new TForm2(dialogs_, this);
    overview_->setAttribute(Qt::WA_QuitOnClose, false);
    overview_->show();
    overview_->setWindowTitle(overviewTitle(state_.selection(), state_.Timings.RandomEnabled));
    overview_->setSource(state_.NewFile == 1 ? QStringLiteral("新文件") : state_.FileName,
                         tableName(state_.selection()));
    connect(overview_, &TForm2::clearTimingConfirmed, this, [this](int row) {
        state_.CP.Serial = 0;
        ClearCP(state_.CP);
        SaveCPtoBuf(static_cast<std::uint8_t>(row + 1));
        ReListCell(row);
        loadShownTiming();
        state_.Modified = 1;
    });
    connect(overview_, &TForm2::editTimingRequested, this, [this](int row) {
        state_.SlotNo = static_cast<std::uint8_t>(row + 1);
        showSlotNo();
    });
    connect(overview_, &TForm2::closed, this, [this] {
        overview_ = nullptr;
        setEnabled(true);
    });
    CreatList();
    setEnabled(false);
}

void TForm1::CreatList()
{
    const int rows = lastSlot(state_.selection());
    overview_->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        LoadBuftoCP(static_cast<std::uint8_t>(row + 1));
        ReListCell(row);
    }
    // The rows were read through CP: give it back the shown timing.
    LoadBuftoCP(0);
}

void TForm1::ReListCell(int row)
{
    overview_->setRow(row, overviewRow(state_.selection(), row + 1, state_.CP),
                      !isEmptySerial(state_.CP.Serial));
}

}  // namespace tavisto
