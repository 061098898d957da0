// The pages' refills on damaged images: the demo and full images with random bytes
// patched in (single bytes, words at record links, whole runs), and images of
// random bytes. Every list of the three pages refills and follows selections of every row it shows
// without crashing, hanging or reading outside the image (the sanitizer build
// checks the last). This stands in for a fuzz target: the pages need Qt Widgets,
// which the fuzz build does not instrument. VORMANTE_REFILL_IMAGES sets the count.
#include "views/channels/ChannelListPage.h"
#include "views/satellites/SatellitePage.h"
#include "views/settings/SystemSettingsPage.h"

#include "TestSupport.h"
#include "controls/ColumnListCtrl.h"
#include "controls/MessageBox.h"
#include "model/SampleImages.h"

#include <QComboBox>
#include <QRadioButton>
#include <QtTest>

#include <random>

using namespace vormante;

class PageRefillsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        MessageBox::setTestMode(true);
        demo_ = BuildDemoImage();
        full_ = BuildFullImage();
    }

    void threePagesOnDamagedImages() {
        bool ok = false;
        int images = qEnvironmentVariableIntValue("VORMANTE_REFILL_IMAGES", &ok);
        if (!ok || images <= 0)
            images = 250;
        std::mt19937 random(4242);
        SatellitePage page;
        page.resize(760, 520);
        page.show();
        vormante::Document document;
        QVERIFY(testsupport::LoadInto(document, demo_));
        page.Initialize(document);
        ChannelListPage channels;
        channels.resize(760, 520);
        channels.show();
        channels.Initialize(document);
        SystemSettingsPage settings;
        settings.FillLists(document);
        for (int i = 0; i < images; ++i) {
            QVERIFY(testsupport::LoadInto(document, Damaged(random, i)));
            for (int which = 0; which < 4; ++which)
                page.RefreshList(which);
            // Follow a few rows of every list, the last and one past it included.
            for (int which = 0; which < 4; ++which) {
                ColumnListCtrl* list = page.list(which);
                const int rows = list->RowCount();
                for (int row : {0, rows - 1, rows, static_cast<int>(random() % (rows + 1))})
                    page.SelectRowAndReact(which, row);
            }
            (random() % 2 ? page.radioButton() : page.tvButton())->click();

            channels.SetShowTv(random() % 2 != 0);
            channels.Refresh();
            if (QComboBox* box = channels.findChild<QComboBox*>(); box && box->count() > 0)
                box->setCurrentIndex(static_cast<int>(random() % box->count()));
            ColumnListCtrl* list = channels.channelList();
            for (int row : {0, list->RowCount() - 1, list->RowCount()})
                list->SelectRow(row, true);
            settings.LoadFromSettings();
            MessageBox::ResetTestState();
        }
        qInfo("%d damaged images refilled", images);
    }

private:
    std::vector<std::uint8_t> Damaged(std::mt19937& random, int i) {
        if (i % 10 == 9)
            return testsupport::RandomBytes(IMAGE_SIZE, static_cast<std::uint32_t>(random()));
        std::vector<std::uint8_t> image = i % 3 == 2 ? full_ : demo_;
        const int patches = 1 + static_cast<int>(random() % 48);
        for (int p = 0; p < patches; ++p) {
            const std::size_t at = random() % IMAGE_SIZE;
            switch (random() % 4) {
            case 0: // one byte
                image[at] = static_cast<std::uint8_t>(random());
                break;
            case 1: // a word of extremes, where links and counts live
                image[at] = random() % 2 ? 0xFF : 0x00;
                if (at + 1 < IMAGE_SIZE)
                    image[at + 1] = random() % 2 ? 0xFF : 0x7F;
                break;
            case 2: // a run of one value
                for (std::size_t k = at; k < std::min(IMAGE_SIZE, at + random() % 64); ++k)
                    image[k] = static_cast<std::uint8_t>(random() % 3 == 0 ? 0xFF : random());
                break;
            default: // a byte copied from elsewhere, as a link to another record
                image[at] = image[random() % IMAGE_SIZE];
                break;
            }
        }
        return image;
    }

    std::vector<std::uint8_t> demo_;
    std::vector<std::uint8_t> full_;
};

QTEST_MAIN(PageRefillsTest)
#include "tst_pagerefills.moc"
