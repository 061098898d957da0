// The preview of "Import satellites.xml...": what the file changes on each
// satellite (transponders to add, updated, not in the file, skipped), which
// beam of the file each satellite takes, which of the file's other satellites
// to add and with which LNB type, and whether to take DVB-S2 transponders and
// delete those not in the file. It replans on every choice and never changes
// the image; when accepted, plan() is what the caller applies.
#pragma once

#include "model/TransponderUpdate.h"
#include "views/lists/PlanPreviewDialog.h"

class QCheckBox;
class QComboBox;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace vormante {

class SatellitesXmlDialog : public PlanPreviewDialog {
    Q_OBJECT

public:
    // Keeps references to the image and the file, which must outlive the dialog.
    SatellitesXmlDialog(const vormante::ChannelDatabase& db, const vormante::SatelliteFile& file,
                        QWidget* parent = nullptr);

    const vormante::TransponderUpdatePlan& plan() const { return plan_; }
    vormante::TransponderUpdateOptions options() const { return options_; }

    QTabWidget* tabs() const { return tabs_; }
    QTreeWidget* beamsTree() const { return beamsTree_; }
    QTreeWidget* additionsTree() const { return additionsTree_; }
    QCheckBox* dvbS2CheckBox() const { return dvbS2CheckBox_; }
    QCheckBox* deleteUnlistedCheckBox() const { return deleteUnlistedCheckBox_; }
    // The beam list of an image satellite's row.
    QComboBox* beamComboBox(int row) const;
    // The additions tree's row of a file satellite, or -1 when it is not offered.
    int offerRow(int fileSatellite) const;
    // The captions of the changes tree's top-level items.
    QStringList changeCaptions() const { return groupCaptions(); }

private:
    void replan();
    void FillBeams();
    void FillOffers();
    void FillChanges();
    void UpdateSummary();
    void offerChanged(QTreeWidgetItem* item);
    QString satelliteText(int fileSatellite) const;

    const vormante::ChannelDatabase& db_;
    const vormante::SatelliteFile& file_;
    vormante::TransponderUpdateOptions options_;
    vormante::TransponderUpdatePlan plan_;
    bool filling_ = false;
    QTabWidget* tabs_ = nullptr;
    QTreeWidget* beamsTree_ = nullptr;
    QTreeWidget* additionsTree_ = nullptr;
    QCheckBox* dvbS2CheckBox_ = nullptr;
    QCheckBox* deleteUnlistedCheckBox_ = nullptr;
};

} // namespace vormante
