// Fuzz target: an image (see FuzzImageInput.h) into the refills of the three pages,
// headless. The last bytes of the input also choose the page, rows to select, the TV or radio lists and the
// satellite of the all-channels page, so the refills that follow a selection run too. Any image must fill
// every list without crashing, hanging or reading outside the image.
#include "FuzzImageInput.h"

#include "controls/ColumnListCtrl.h"
#include "controls/MessageBox.h"
#include "document/Document.h"
#include "views/channels/ChannelListPage.h"
#include "views/satellites/SatellitePage.h"
#include "views/settings/SystemSettingsPage.h"

#include <QApplication>
#include <QComboBox>
#include <QRadioButton>

#include <vector>

using namespace vormante;

namespace {
struct Pages {
    Document db;
    SatellitePage satellites;
    ChannelListPage channels;
    SystemSettingsPage settings;
};
Pages* pages = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    MessageBox::setTestMode(true);
    static Pages all;
    all.db.Open(std::vector<std::uint8_t>(IMAGE_SIZE, 0), QStringLiteral("fuzz.bin"));
    all.satellites.resize(760, 520);
    all.satellites.Initialize(all.db);
    all.channels.resize(760, 520);
    all.channels.Initialize(all.db);
    all.settings.FillLists(all.db);
    pages = &all;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static std::vector<std::uint8_t> image;
    fuzzimage::Read({data, size}, image);
    if (!pages->db.Open(image, QStringLiteral("fuzz.bin")).ok)
        std::abort();
    // Choices from the input's last bytes (zeros past its start).
    const auto choice = [&](std::size_t back) { return size > back ? data[size - 1 - back] : 0; };

    // One page a run, as the input chooses: the refills of all three together ran
    // fewer than a hundred times a second.
    switch (choice(8) % 3) {
    case 0: {
        SatellitePage& sat = pages->satellites;
        (choice(0) & 1 ? sat.radioButton() : sat.tvButton())->click();
        for (int which = 0; which < 4; ++which)
            sat.RefreshList(which);
        for (int which = 0; which < 4; ++which) {
            const int rows = sat.list(which)->RowCount();
            sat.SelectRowAndReact(which,
                                  rows > 0 ? choice(1 + static_cast<std::size_t>(which)) % (rows + 1) : 0);
        }
        break;
    }
    case 1: {
        ChannelListPage& channels = pages->channels;
        channels.SetShowTv(choice(5) & 1);
        channels.Refresh();
        if (QComboBox* box = channels.findChild<QComboBox*>(); box && box->count() > 0)
            box->setCurrentIndex(choice(6) % box->count());
        const int rows = channels.channelList()->RowCount();
        channels.channelList()->SelectRow(rows > 0 ? choice(7) % (rows + 1) : 0, true);
        break;
    }
    default:
        pages->settings.LoadFromSettings();
        break;
    }
    MessageBox::ResetTestState();
    return 0;
}
