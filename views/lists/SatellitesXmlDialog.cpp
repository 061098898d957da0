#include "views/lists/SatellitesXmlDialog.h"

#include "document/StepNames.h"
#include "views/lists/OrderPlanTree.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include <algorithm>

namespace vormante {

namespace {

constexpr int BEAM_COLUMN = 2;
constexpr int LNB_COLUMN = 2;

QString Position(int position) {
    return QString::fromStdString(FormatPosition(position));
}

QString LnbText(const ChannelDatabase& db, unsigned type) {
    const QString name = QString::fromStdString(texts::SatelliteLnbTypeName(static_cast<int>(type)));
    //: %1 is an LNB type's name (as the receiver stores it) of a C-band LNB.
    return IsCBandLnb(db, type) ? SatellitesXmlDialog::tr("%1 (C-band)").arg(name) : name;
}

QString TransponderText(const PlannedTransponder& planned) {
    return steps::TransponderLabel(planned.frequency, planned.symbolRate, planned.vertical);
}

void AddGroup(QTreeWidgetItem* parent, const QString& caption, const QStringList& texts) {
    if (texts.isEmpty())
        return;
    auto* group = new QTreeWidgetItem(parent, {QStringLiteral("%1 (%2)").arg(caption).arg(texts.size())});
    for (const QString& text : texts)
        new QTreeWidgetItem(group, {text});
}

QStringList AddedTexts(const std::vector<PlannedTransponder>& added) {
    QStringList texts;
    for (const PlannedTransponder& planned : added)
        texts << (planned.fits
                      //: %1 is a transponder ("11747/27500/V"), %2 its line in the file.
                      ? SatellitesXmlDialog::tr("%1 (line %2)")
                      //: %1 is a transponder ("11747/27500/V"), %2 its line in the file; the image's
                      //: table has no room for it.
                      : SatellitesXmlDialog::tr("%1 (line %2), does not fit"))
                     .arg(TransponderText(planned), QString::number(planned.line));
    return texts;
}

QStringList SkippedTexts(const std::vector<SkippedTransponder>& skipped) {
    QStringList texts;
    for (const SkippedTransponder& entry : skipped)
        //: %1 is a line number of the file, %2 why the transponder there is skipped.
        texts << SatellitesXmlDialog::tr("Line %1: %2")
                     .arg(QString::number(entry.line), QString::fromStdString(entry.reason));
    return texts;
}

// A flat list whose columns fit their contents; the last one takes the rest.
QTreeWidget* MakeTable(QWidget* parent, const char* name, const QStringList& headers) {
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(QLatin1String(name));
    tree->setRootIsDecorated(false);
    tree->setHeaderLabels(headers);
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree->header()->setStretchLastSection(true);
    return tree;
}

// "Astra 1 19.2E (19.2E)": an image satellite or a satellite to add, as stored.
QString StoredText(const std::string& latin1Name, int position) {
    return QStringLiteral("%1 (%2)").arg(steps::FromLatin1(latin1Name), Position(position));
}

// What the summary line counts of a plan.
struct PlanCounts {
    int paired = 0, added = 0, updated = 0, unlisted = 0, deleted = 0, skipped = 0, dvbS2 = 0;
    int newSatellites = 0, newTransponders = 0;
};

PlanCounts CountPlan(const TransponderUpdatePlan& plan) {
    PlanCounts counts;
    const auto countSkipped = [&](const std::vector<SkippedTransponder>& entries) {
        counts.skipped += static_cast<int>(entries.size());
        counts.dvbS2 += static_cast<int>(
            std::count_if(entries.begin(), entries.end(), [](const auto& s) { return s.dvbS2; }));
    };
    for (const SatelliteUpdate& update : plan.satellites) {
        if (update.beam < 0)
            continue;
        ++counts.paired;
        counts.added += static_cast<int>(update.added.size());
        counts.updated += static_cast<int>(update.updated.size());
        counts.unlisted += static_cast<int>(update.unlisted.size());
        counts.deleted += static_cast<int>(std::count_if(update.unlisted.begin(), update.unlisted.end(),
                                                         [](const auto& p) { return p.deleted; }));
        countSkipped(update.skipped);
    }
    for (const SatelliteAddition& addition : plan.additions) {
        ++counts.newSatellites;
        counts.newTransponders += static_cast<int>(addition.transponders.size());
        countSkipped(addition.skipped);
    }
    return counts;
}

} // namespace

SatellitesXmlDialog::SatellitesXmlDialog(const ChannelDatabase& db, const SatelliteFile& file,
                                         QWidget* parent)
    //: satellites.xml is a file name and stays as it is.
    : PlanPreviewDialog(tr("Import satellites.xml"), QStringLiteral("satellitesXmlDialog"), parent), db_(db),
      file_(file) {
    beamsTree_ = MakeTable(this, "beamsTree",
                           {
                               //: Column caption: a satellite of the image.
                               tr("Satellite"),
                               //: Column caption: the LNB type the satellite uses.
                               tr("LNB type"),
                               //: Column caption: the satellite of the file whose transponders it takes.
                               tr("Takes from the file"),
                           });
    additionsTree_ = MakeTable(this, "additionsTree",
                               {
                                   //: Column caption: the name and position the new satellite gets.
                                   tr("Added as"),
                                   //: Column caption: the number of transponders.
                                   tr("Transponders"),
                                   //: Column caption: the LNB type the satellite uses.
                                   tr("LNB type"),
                                   //: Column caption: the satellite as the file names it.
                                   tr("Satellite in the file"),
                               });
    connect(additionsTree_, &QTreeWidget::itemChanged, this, &SatellitesXmlDialog::offerChanged);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("satellitesXmlTabs"));
    //: A tab (a noun): the changes the import makes.
    tabs_->addTab(changesTree(), tr("Changes"));
    tabs_->addTab(beamsTree_, tr("Satellites of the image"));
    tabs_->addTab(additionsTree_, tr("Add satellites"));

    dvbS2CheckBox_ = new QCheckBox(tr("Take DVB-S2 transponders too (the receiver tunes DVB-S)"), this);
    dvbS2CheckBox_->setObjectName(QStringLiteral("dvbS2CheckBox"));
    deleteUnlistedCheckBox_ =
        new QCheckBox(tr("Delete transponders not in the file that carry no channels"), this);
    deleteUnlistedCheckBox_->setObjectName(QStringLiteral("deleteUnlistedCheckBox"));
    for (QCheckBox* box : {dvbS2CheckBox_, deleteUnlistedCheckBox_})
        connect(box, &QCheckBox::toggled, this, [this] {
            options_.dvbS2 = dvbS2CheckBox_->isChecked();
            options_.deleteUnlisted = deleteUnlistedCheckBox_->isChecked();
            replan();
        });

    LayOut({dvbS2CheckBox_, deleteUnlistedCheckBox_}, tabs_);

    resize(std::max(sizeHint().width(), 600), sizeHint().height());
    plan_ = PlanTransponderUpdate(db_, file_, options_);
    FillBeams();
    FillOffers();
    FillChanges();
    UpdateSummary();
}

QComboBox* SatellitesXmlDialog::beamComboBox(int row) const {
    QTreeWidgetItem* item = beamsTree_->topLevelItem(row);
    return item != nullptr ? qobject_cast<QComboBox*>(beamsTree_->itemWidget(item, BEAM_COLUMN)) : nullptr;
}

int SatellitesXmlDialog::offerRow(int fileSatellite) const {
    for (int row = 0; row < additionsTree_->topLevelItemCount(); ++row)
        if (additionsTree_->topLevelItem(row)->data(0, Qt::UserRole).toInt() == fileSatellite)
            return row;
    return -1;
}

QString SatellitesXmlDialog::satelliteText(int fileSatellite) const {
    const FileSatellite& satellite = file_.satellites[static_cast<std::size_t>(fileSatellite)];
    // Most files write the position at the head of the name already.
    QString name = QString::fromStdString(satellite.name);
    if (!name.startsWith(Position(satellite.position) + QLatin1Char(' ')))
        name += QStringLiteral(" (%1)").arg(Position(satellite.position));
    //: %1 is a satellite as the file names it, %2 its line in the file.
    return tr("%1, line %2").arg(name, QString::number(satellite.line));
}

void SatellitesXmlDialog::replan() {
    plan_ = PlanTransponderUpdate(db_, file_, options_);
    FillChanges();
    UpdateSummary();
}

void SatellitesXmlDialog::FillBeams() {
    for (const SatelliteUpdate& update : plan_.satellites) {
        auto* item = new QTreeWidgetItem(
            beamsTree_, {StoredText(update.name, update.position), LnbText(db_, update.lnbType)});
        auto* beams = new QComboBox(beamsTree_);
        beams->setObjectName(QStringLiteral("beamComboBox"));
        beams->addItem(update.beams.empty() ? tr("Not in the file")
                                            //: No satellite of the file is chosen.
                                            : tr("None"),
                       -1);
        for (const int beam : update.beams)
            beams->addItem(satelliteText(beam), beam);
        beams->setCurrentIndex(std::max(0, beams->findData(update.beam)));
        beams->setEnabled(!update.beams.empty());
        beamsTree_->setItemWidget(item, BEAM_COLUMN, beams);
        const int slot = update.satellite;
        connect(beams, &QComboBox::currentIndexChanged, this, [this, beams, slot] {
            options_.beams[slot] = beams->currentData().toInt();
            replan();
            FillOffers(); // a beam taken is no longer offered, one left is
        });
    }
}

void SatellitesXmlDialog::FillOffers() {
    filling_ = true;
    additionsTree_->clear();
    std::map<int, unsigned> kept;
    for (const SatelliteOffer& offer : plan_.offers) {
        const FileSatellite& satellite = file_.satellites[static_cast<std::size_t>(offer.file)];
        auto* item = new QTreeWidgetItem(additionsTree_, {StoredText(offer.name, offer.position),
                                                          QString::number(satellite.transponders.size()),
                                                          QString(), satelliteText(offer.file)});
        item->setToolTip(3, satelliteText(offer.file));
        item->setData(0, Qt::UserRole, offer.file);
        const auto asked = options_.additions.find(offer.file);
        item->setCheckState(0, asked != options_.additions.end() ? Qt::Checked : Qt::Unchecked);
        auto* lnb = new QComboBox(additionsTree_);
        lnb->setObjectName(QStringLiteral("lnbComboBox"));
        for (unsigned type = 0; type < unsigned(LNB_TYPES); ++type)
            lnb->addItem(LnbText(db_, type), type);
        lnb->setCurrentIndex(
            static_cast<int>(asked != options_.additions.end() ? asked->second : offer.proposedLnbType));
        additionsTree_->setItemWidget(item, LNB_COLUMN, lnb);
        if (asked != options_.additions.end())
            kept.insert(*asked);
        connect(lnb, &QComboBox::currentIndexChanged, this, [this, item] { offerChanged(item); });
    }
    // Satellites that became a beam are no longer added.
    const bool dropped = kept.size() != options_.additions.size();
    options_.additions = std::move(kept);
    filling_ = false;
    if (dropped)
        replan();
}

void SatellitesXmlDialog::offerChanged(QTreeWidgetItem* item) {
    if (filling_)
        return;
    const int file = item->data(0, Qt::UserRole).toInt();
    const bool ticked = item->checkState(0) == Qt::Checked;
    const QComboBox* lnb = qobject_cast<QComboBox*>(additionsTree_->itemWidget(item, LNB_COLUMN));
    const auto asked = options_.additions.find(file);
    if (!ticked && asked == options_.additions.end())
        return; // a type chosen for a satellite not ticked changes nothing yet
    if (ticked)
        options_.additions[file] = lnb != nullptr ? static_cast<unsigned>(lnb->currentIndex()) : 0u;
    else
        options_.additions.erase(asked);
    replan();
}

void SatellitesXmlDialog::FillChanges() {
    changesTree()->clear();
    for (const SatelliteUpdate& update : plan_.satellites) {
        if (update.beam < 0)
            continue;
        QStringList updated, unlisted;
        for (const PlannedTransponder& planned : update.updated)
            //: %1 is a transponder ("11747/27500/V"), %2 its new symbol rate, %3 its line in the file.
            updated << tr("%1 \u2192 %2 kS/s (line %3)")
                           .arg(steps::TransponderLabel(planned.frequency, planned.symbolRateBefore,
                                                        planned.vertical),
                                QString::number(planned.symbolRate), QString::number(planned.line));
        for (const PlannedTransponder& planned : update.unlisted)
            unlisted << (planned.deleted
                             //: %1 is a transponder ("11747/27500/V"), %2 a number of channels.
                             ? tr("%1, %2, to be deleted")
                             : QStringLiteral("%1, %2"))
                            .arg(TransponderText(planned),
                                 planview::Count(std::size_t(planned.channels), planview::Noun::Channel));
        auto* item = new QTreeWidgetItem(
            changesTree(), {QStringLiteral("%1 \u2190 %2")
                                .arg(StoredText(update.name, update.position), satelliteText(update.beam))});
        //: A group of transponders to add.
        AddGroup(item, tr("To add"), AddedTexts(update.added));
        //: A group of transponders that get a new symbol rate.
        AddGroup(item, tr("Updated"), updated);
        AddGroup(item, tr("Not in the file"), unlisted);
        //: A group of transponders of the file that are not taken.
        AddGroup(item, tr("Skipped"), SkippedTexts(update.skipped));
        item->setExpanded(true);
    }
    for (const SatelliteAddition& addition : plan_.additions) {
        auto* item = new QTreeWidgetItem(
            changesTree(),
            {(addition.fits
                  //: %1 is the new satellite, %2 its LNB type.
                  ? tr("New satellite %1, %2")
                  //: %1 is the new satellite, %2 its LNB type; the image's table has no room for it.
                  : tr("New satellite %1, %2, does not fit"))
                 .arg(StoredText(addition.name, addition.position), LnbText(db_, addition.lnbType))});
        //: A group of transponders to add.
        AddGroup(item, tr("To add"), AddedTexts(addition.transponders));
        //: A group of transponders of the file that are not taken.
        AddGroup(item, tr("Skipped"), SkippedTexts(addition.skipped));
        item->setExpanded(true);
    }
}

void SatellitesXmlDialog::UpdateSummary() {
    const PlanCounts counts = CountPlan(plan_);
    const auto count = [](int n, planview::Noun noun) {
        return planview::Count(static_cast<std::size_t>(n), noun);
    };
    using planview::Noun;
    const auto number = [](int n) { return QString::number(n); };
    const QLatin1Char space(' ');
    const QString pairedText = count(counts.paired, Noun::Satellite),
                  addedText = count(counts.added, Noun::Transponder);
    QString text =
        counts.deleted > 0
            //: %1 is a number of satellites ("2 satellites"), %2 a number of transponders, %3, %4 and
            //: %5 numbers of transponders.
            ? tr("%1 of the image found in the file: %2 to add, %3 updated, %4 not in the file (%5 to be "
                 "deleted).")
                  .arg(pairedText, addedText, number(counts.updated), number(counts.unlisted),
                       number(counts.deleted))
            //: %1 is a number of satellites ("2 satellites"), %2 a number of transponders, %3 and %4
            //: numbers of transponders.
            : tr("%1 of the image found in the file: %2 to add, %3 updated, %4 not in the file.")
                  .arg(pairedText, addedText, number(counts.updated), number(counts.unlisted));
    if (!plan_.additions.empty())
        //: %1 is a number of satellites ("2 satellites"), %2 a number of transponders.
        text += space + tr("New: %1 with %2.")
                            .arg(count(counts.newSatellites, Noun::Satellite),
                                 count(counts.newTransponders, Noun::Transponder));
    if (counts.skipped > 0)
        //: %1 is a number of transponders, %2 how many of them are DVB-S2.
        text += space + tr("Skipped: %1 (%2 DVB-S2).").arg(number(counts.skipped), number(counts.dvbS2));
    const bool changes = plan_.ChangesImage();
    if (plan_.satellitesNotFitting > 0 || plan_.transpondersNotFitting > 0)
        text += space +
                (changes
                     //: %1 and %2 are the sizes of the image's tables, %3 a number of satellites ("2
                     //: satellites"), %4 a number of transponders.
                     ? tr("Does not fit the tables (%1 satellites, %2 transponders): %3 and %4; OK adds what "
                          "fits, in the order shown.")
                     //: %1 and %2 are the sizes of the image's tables, %3 a number of satellites ("2
                     //: satellites"), %4 a number of transponders.
                     : tr("Does not fit the tables (%1 satellites, %2 transponders): %3 and %4; nothing else "
                          "changes, so OK changes nothing."))
                    .arg(number(SATELLITE_SLOTS), number(TRANSPONDER_SLOTS),
                         count(plan_.satellitesNotFitting, Noun::Satellite),
                         count(plan_.transpondersNotFitting, Noun::Transponder));
    else if (!changes)
        text += space + tr("The file changes nothing.");
    summaryLabel()->setText(text);
}

} // namespace vormante
