#include "views/common/StatusLine.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QStringList>

namespace vormante {

namespace statusline {

QString TotalsText(const ImageStatistics& figures) {
    //: Status line: %1 TV channels, %2 radio channels in the image.
    return StatusLine::tr("TV %1, Radio %2").arg(figures.tvChannels).arg(figures.radioChannels);
}

QString TablesText(const ImageStatistics& figures) {
    //: Status line: records used of the slots the image has, e.g. "Satellites 12/200".
    return StatusLine::tr("Satellites %1/%2, Transponders %3/%4, Channels %5/%6")
        .arg(figures.satellites)
        .arg(SATELLITE_SLOTS)
        .arg(figures.transponders)
        .arg(TRANSPONDER_SLOTS)
        .arg(figures.channels)
        .arg(CHANNEL_SLOTS);
}

} // namespace statusline

namespace {
QLabel* Part(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}
} // namespace

StatusLine::StatusLine(QWidget* parent)
    : QWidget(parent), file_(Part("statusFileLabel", this)), modified_(Part("statusModifiedLabel", this)),
      totals_(Part("statusTotalsLabel", this)), tables_(Part("statusTablesLabel", this)) {
    setObjectName(QStringLiteral("statusLine"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    for (QLabel* part : {file_, modified_, totals_, tables_})
        layout->addWidget(part);
    layout->addStretch(1);
}

void StatusLine::Update(const ChannelDatabase& db, const QString& path, bool modified) {
    if (!db.loaded()) {
        Clear();
        return;
    }
    //: Status line: the image has no file yet.
    const QString name = path.isEmpty() ? tr("Untitled") : QFileInfo(path).fileName();
    file_->setText(name);
    file_->setToolTip(path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath());
    //: Status line: the image has unsaved changes.
    modified_->setText(modified ? tr("Modified") : QString());
    const ImageStatistics figures = CountImage(db);
    totals_->setText(statusline::TotalsText(figures));
    tables_->setText(statusline::TablesText(figures));
}

void StatusLine::Clear() {
    for (QLabel* part : {file_, modified_, totals_, tables_}) {
        part->clear();
        part->setToolTip(QString());
    }
}

QString StatusLine::fileText() const {
    return file_->text();
}
QString StatusLine::fileToolTip() const {
    return file_->toolTip();
}
QString StatusLine::modifiedText() const {
    return modified_->text();
}
QString StatusLine::totalsText() const {
    return totals_->text();
}
QString StatusLine::tablesText() const {
    return tables_->text();
}

QString StatusLine::text() const {
    QStringList parts;
    for (const QLabel* part : {file_, modified_, totals_, tables_})
        if (!part->text().isEmpty())
            parts << part->text();
    return parts.join(QStringLiteral(" | "));
}

} // namespace vormante
