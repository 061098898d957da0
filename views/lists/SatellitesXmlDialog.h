// The preview of "Import satellites.xml...": what the file changes on each
// satellite (transponders to add, updated, not in the file, skipped), which
// beam of the file each satellite takes, which of the file's other satellites
// to add and with which LNB type, and whether to take DVB-S2 transponders and
// delete those not in the file. It replans on every choice and never changes
// the image; when accepted, plan() is what the caller applies.
#pragma once

#include "model/TransponderUpdate.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace vormante {

class SatellitesXmlDialog : public QDialog {
    Q_OBJECT

public:
    // Keeps references to the image and the file, which must outlive the dialog.
    SatellitesXmlDialog(const vormante::ChannelDatabase& db, const vormante::SatelliteFile& file,
                        QWidget* parent = nullptr);

    const vormante::TransponderUpdatePlan& plan() const { return plan_; }
    vormante::TransponderUpdateOptions options() const { return options_; }

    QLabel* summaryLabel() const { return summaryLabel_; }
    QTabWidget* tabs() const { return tabs_; }
    QTreeWidget* changesTree() const { return changesTree_; }
    QTreeWidget* beamsTree() const { return beamsTree_; }
    QTreeWidget* additionsTree() const { return additionsTree_; }
    QCheckBox* dvbS2CheckBox() const { return dvbS2CheckBox_; }
    QCheckBox* deleteUnlistedCheckBox() const { return deleteUnlistedCheckBox_; }
    QPushButton* okButton() const { return okButton_; }
    // The beam list of an image satellite's row.
    QComboBox* beamComboBox(int row) const;
    // The additions tree's row of a file satellite, or -1 when it is not offered.
    int offerRow(int fileSatellite) const;
    // The captions of the changes tree's top-level items.
    QStringList changeCaptions() const;

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
    QLabel* summaryLabel_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTreeWidget* changesTree_ = nullptr;
    QTreeWidget* beamsTree_ = nullptr;
    QTreeWidget* additionsTree_ = nullptr;
    QCheckBox* dvbS2CheckBox_ = nullptr;
    QCheckBox* deleteUnlistedCheckBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

} // namespace vormante
