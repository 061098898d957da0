#include "Document.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <vector>

namespace vormante {

namespace {

// QUndoCommand's private part: its child list, text and action text, id and flag.
constexpr std::size_t UNDO_COMMAND_PRIVATE_BYTES = 3 * 24 + 8;
// A shared_ptr's control block, made in one block with the delta by make_shared.
constexpr std::size_t CONTROL_BLOCK_BYTES = 16;
// The stack's list of commands grows by doubling: a step costs one pointer and a half on average.
constexpr std::size_t STACK_ENTRY_BYTES = sizeof(void*) * 3 / 2;
// The QUndoCommand id of steps that may merge.
constexpr int MERGING_STEP_ID = 1;

} // namespace

// One step of the history. The delta is shared, so the history can be rebuilt
// without copying it when its oldest steps are dropped.
class ImageStep : public QUndoCommand {
public:
    ImageStep(Document& document, std::shared_ptr<const ImageDelta> delta, const QString& name,
              const QString& mergeKey = QString())
        : QUndoCommand(name), document_(document), delta_(std::move(delta)), mergeKey_(mergeKey),
          size_(Cost(*delta_, name)) {
        document_.historyBytes_ += size_;
    }

    // The heap a step holds, every block counted as the allocator hands it out, so that
    // the history's bound holds for small steps too, where the blocks around the changed
    // bytes cost more than the bytes.
    static std::size_t Cost(const ImageDelta& delta, const QString& name) {
        const auto heap = ImageDelta::HeapBytes;
        // A name made at run time has a block of its own (16 bytes of header, UTF-16, a NUL); a literal has
        // none.
        const std::size_t text =
            name.capacity() == 0 ? 0 : heap(16 + (static_cast<std::size_t>(name.capacity()) + 1) * 2);
        return heap(sizeof(ImageStep)) + heap(UNDO_COMMAND_PRIVATE_BYTES) + text +
               heap(CONTROL_BLOCK_BYTES + sizeof(ImageDelta)) + delta.memoryBytes() - sizeof(ImageDelta) +
               STACK_ENTRY_BYTES;
    }
    ~ImageStep() override { document_.historyBytes_ -= size_; }

    // The first redo comes from QUndoStack::push, after the operation already ran.
    void redo() override {
        if (done_)
            done_ = false;
        else
            document_.WriteStep(*delta_, DocumentChange::Cause::Redo);
    }
    void undo() override { document_.WriteStep(*delta_, DocumentChange::Cause::Undo); }

    // Steps with a merge key share one id; mergeWith checks the key itself.
    int id() const override { return mergeKey_.isEmpty() ? -1 : MERGING_STEP_ID; }
    // `next` has just been done on top of this step: this step becomes both, from the
    // image before this step to the image now.
    bool mergeWith(const QUndoCommand* next) override {
        const auto* step = static_cast<const ImageStep*>(next);
        if (step->mergeKey_ != mergeKey_)
            return false;
        const DatabaseImage& now = document_.database_->workingCopy();
        auto before = std::make_unique<DatabaseImage>(now);
        step->delta_->RestoreBefore(*before);
        delta_->RestoreBefore(*before);
        auto both = std::make_shared<ImageDelta>(ImageDelta::Between(*before, now));
        // Steps that cancel each other out stay two, so the history never holds an empty step.
        if (both->empty())
            return false;
        delta_ = std::move(both);
        document_.historyBytes_ -= size_;
        size_ = Cost(*delta_, text());
        document_.historyBytes_ += size_;
        return true;
    }

    const std::shared_ptr<const ImageDelta>& delta() const { return delta_; }

private:
    Document& document_;
    std::shared_ptr<const ImageDelta> delta_;
    QString mergeKey_;
    std::size_t size_;
    bool done_ = true;
};

Document::Document(QObject* parent)
    : QObject(parent), database_(std::make_unique<ChannelDatabase>()),
      reference_(std::make_unique<DatabaseImage>()), undoStack_(new QUndoStack(this)) {}

Document::~Document() {
    // The steps count themselves out of this document as they go.
    delete undoStack_;
    undoStack_ = nullptr;
}

LoadResult Document::Open(std::span<const std::uint8_t> bytes, const QString& path) {
    LoadResult loaded = database_->Load(bytes);
    if (!loaded.ok)
        return loaded;
    database_->BuildRecordPointers();
    *reference_ = database_->workingCopy();
    undoStack_->clear();
    TakePath(path);
    Q_EMIT opened();
    return loaded;
}

// The image now stands for the file at path: says so when that is another file, and
// whether the image differs from the file.
void Document::TakePath(const QString& path) {
    if (path != path_) {
        path_ = path;
        Q_EMIT pathChanged(path_);
    }
    NoteModified();
}

void Document::Undo() {
    undoStack_->undo();
}

void Document::Redo() {
    undoStack_->redo();
}

void Document::SetHistoryIndex(int index) {
    undoStack_->setIndex(index);
}

void Document::MarkSaved(const QString& path) {
    database_->Commit();
    // The stack's clean state only keeps a later step from merging into the saved one;
    // isModified() stays the image against the saved image.
    undoStack_->setClean();
    TakePath(path);
}

// Runs the operation on the working copy; when it throws half way the working
// copy is put back as it was and the exception goes on.
void Document::RunOrRestore(const Operation& operation) {
    DatabaseImage& working = database_->workingCopy();
    // Quiet changes made since the last step are in the copy, so they survive a failed step.
    const auto before = std::make_unique<DatabaseImage>(working);
    try {
        operation(*database_);
    } catch (...) {
        working = *before;
        throw;
    }
}

bool Document::Apply(const QString& name, const Operation& operation, const QString& mergeKey) {
    if (!isOpen())
        return false;
    RunOrRestore(operation);
    auto delta = std::make_shared<ImageDelta>(ImageDelta::Between(*reference_, database_->workingCopy()));
    if (delta->empty())
        return false;
    delta->RestoreAfter(*reference_);
    const DocumentChange change = DocumentChange::Of(*delta, DocumentChange::Cause::Step);
    undoStack_->push(new ImageStep(*this, std::move(delta), name, mergeKey));
    TrimHistory();
    Q_EMIT changed(change);
    NoteModified();
    return true;
}

void Document::ApplyQuietly(const Operation& operation) {
    if (!isOpen())
        return;
    RunOrRestore(operation);
    NoteModified();
}

void Document::WriteStep(const ImageDelta& step, DocumentChange::Cause cause) {
    DatabaseImage& working = database_->workingCopy();
    if (cause == DocumentChange::Cause::Redo) {
        step.RestoreAfter(working);
        step.RestoreAfter(*reference_);
    } else {
        step.RestoreBefore(working);
        step.RestoreBefore(*reference_);
    }
    Q_EMIT changed(DocumentChange::Of(step, cause));
    NoteModified();
}

void Document::NoteModified() {
    const bool now = isModified();
    if (now != modified_) {
        modified_ = now;
        Q_EMIT modifiedChanged(now);
    }
}

void Document::setHistoryLimit(std::size_t bytes) {
    historyLimit_ = bytes;
    TrimHistory();
}

void Document::TrimHistory() {
    if (historyBytes_ <= historyLimit_)
        return;
    // QUndoStack cannot drop its oldest commands, so the history is rebuilt from the
    // newest steps that fit. It shrinks to three quarters of the limit, so this runs
    // seldom. Steps that were undone are dropped with the oldest ones.
    struct Kept {
        std::shared_ptr<const ImageDelta> delta;
        QString name;
    };
    std::vector<Kept> kept;
    std::size_t total = 0;
    const std::size_t target = historyLimit_ / 4 * 3;
    for (int i = undoStack_->index() - 1; i >= 0; --i) {
        const auto* step = static_cast<const ImageStep*>(undoStack_->command(i));
        const std::size_t size = ImageStep::Cost(*step->delta(), step->text());
        if (total + size > target)
            break;
        total += size;
        kept.push_back({step->delta(), step->text()});
    }
    undoStack_->clear();
    for (auto it = kept.rbegin(); it != kept.rend(); ++it)
        undoStack_->push(new ImageStep(*this, it->delta, it->name));
}

} // namespace vormante
