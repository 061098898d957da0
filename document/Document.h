// The open document: the channel database, the path of its file and the edit
// history. Every change of the working image goes through Apply as one named step:
// the operation runs on the database, the bytes it changed are found and kept as a
// step of the history (their content before and after, not copies of the image), and
// one `changed` signal tells the views. Undo and redo write those bytes back.
//
// "Changed" stays one truth: the working image against the image last loaded or
// saved (ChannelDatabase::IsChanged), so undoing back to the saved image makes the
// document unchanged again and undoing past a save makes it changed.
#pragma once

#include "DocumentChange.h"
#include "model/ChannelDatabase.h"
#include "model/ImageDelta.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>
#include <memory>

class QUndoStack;

namespace vormante {

class Document : public QObject {
    Q_OBJECT

public:
    using Operation = std::function<void(ChannelDatabase&)>;

    // History data beyond which the oldest steps are dropped.
    static constexpr std::size_t DEFAULT_HISTORY_LIMIT = 64u * 1024u * 1024u;

    explicit Document(QObject* parent = nullptr);
    ~Document() override;

    const ChannelDatabase& database() const { return *database_; }
    bool isOpen() const { return database_->loaded(); }
    bool isModified() const { return database_->IsChanged(); }
    QString path() const { return path_; }

    // Takes the bytes of an image file: on success the database holds them, the
    // history is empty and `opened` is emitted; otherwise nothing changes.
    LoadResult Open(std::span<const std::uint8_t> bytes, const QString& path);
    // The image now is what the file at path holds (after Save or Save as).
    void MarkSaved(const QString& path);

    // Runs the operation as one step named name. When it changed bytes the step is
    // recorded and `changed` emitted; returns whether anything changed. An exception
    // thrown by the operation leaves the image as it was before the step and is
    // passed on to the caller. A step with a merge key that follows a step of the
    // same key joins it (keeping its name), so that one undo takes back a run of
    // like steps, such as moving the same rows one place at a time; a step never
    // joins one that ends at the saved image.
    bool Apply(const QString& name, const Operation& operation, const QString& mergeKey = QString());
    // Runs a change that is no step of its own (what the views write while showing,
    // such as the current satellite): it joins the next step. Emits nothing but a
    // modified-state change.
    void ApplyQuietly(const Operation& operation);

    // The history, to read (its steps, their names, whether one can be undone); const, so
    // that no view can push, drop or reorder steps: they come only through Apply.
    const QUndoStack* undoStack() const { return undoStack_; }
    // Takes back the last step, or does again the one last taken back; nothing when there
    // is none. The Edit menu's Undo and Redo (and tests) use these.
    void Undo();
    void Redo();
    // Undoes or redoes steps until the first `index` steps of the history are done.
    void SetHistoryIndex(int index);
    void setHistoryLimit(std::size_t bytes);
    std::size_t historyLimit() const { return historyLimit_; }
    // Bytes the steps of the history hold now.
    std::size_t historyBytes() const { return historyBytes_; }

Q_SIGNALS:
    // A new image was opened (and the history cleared).
    void opened();
    // The working image changed by a step, its undo or its redo; `change` says which
    // records it touched.
    void changed(const vormante::DocumentChange& change);
    // isModified() flipped.
    void modifiedChanged(bool modified);
    // The file the document belongs to is another one now.
    void pathChanged(const QString& path);

private:
    friend class ImageStep;

    // Undo and redo of a step: writes its bytes into the image and the reference copy.
    void WriteStep(const ImageDelta& step, DocumentChange::Cause cause);
    void NoteModified();
    void TakePath(const QString& path);
    void RunOrRestore(const Operation& operation);
    void TrimHistory();

    std::unique_ptr<ChannelDatabase> database_;
    // The working image as of the last recorded step; the difference to the working
    // image is what the next step changed.
    std::unique_ptr<DatabaseImage> reference_;
    QUndoStack* undoStack_;
    QString path_;
    std::size_t historyLimit_ = DEFAULT_HISTORY_LIMIT;
    std::size_t historyBytes_ = 0; // kept by the steps as they come and go
    bool modified_ = false;
};

} // namespace vormante
