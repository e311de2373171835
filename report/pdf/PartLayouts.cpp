#include "report/pdf/PartLayouts.h"

#include "report/pdf/PdfPages.h"
#include "report/pdf/ReportLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPdfWriter>
#include <QSemaphore>
#include <QTextDocument>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>

namespace tarrowin {

// The threads besides the calling one, and what they share while they work.
class PartLayouts::Helpers {
public:
    ~Helpers()
    {
        mayEnd.release(static_cast<int>(threads.size()));
        for (const std::unique_ptr<QThread>& thread : threads)
            thread->wait();
    }

    std::vector<std::unique_ptr<QThread>> threads;
    QSemaphore finished;
    QSemaphore mayEnd;
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> done{0};
    std::mutex failureGuard;
    std::exception_ptr failure;
};

PartLayouts::PartLayouts(const std::vector<ReportDocument>& parts, const QString& family, const std::string& title,
                         const std::string& creator, std::size_t kept, const Progress& progress)
    : helpers_(std::make_unique<Helpers>()), pages_(parts.size()), kept_(std::min(kept, parts.size()))
{
    QThread* const owner = QThread::currentThread();
    Helpers& shared = *helpers_;
    std::size_t told = 0;
    // Takes parts in turn until none is left. The writer is only measured,
    // never drawn on; its pages and resolution are the book's.
    const auto layOutSome = [&, owner](bool onCallingThread) {
        try {
            QBuffer nowhere;
            nowhere.open(QIODevice::WriteOnly);
            QPdfWriter device(&nowhere);
            const QSizeF body = preparePdfPages(device, title, creator);
            for (std::size_t i = shared.next++; i < parts.size(); i = shared.next++) {
                std::unique_ptr<QTextDocument> text = layOutReport(parts[i], family, device, body);
                pages_[i] = text->pageCount();
                if (i < kept_.size()) {
                    text->documentLayout()->setPaintDevice(nullptr);
                    text->moveToThread(owner);
                    kept_[i] = std::move(text);
                }
                const std::size_t doneNow = ++shared.done;
                if (onCallingThread && progress && doneNow > told)
                    progress(told = doneNow);
            }
        } catch (...) {
            const std::lock_guard lock(shared.failureGuard);
            if (!shared.failure)
                shared.failure = std::current_exception();
            shared.next = parts.size();
        }
    };

    const int cores = std::max(1, QThread::idealThreadCount());
    const std::size_t helpers = std::min<std::size_t>(cores - 1, parts.empty() ? 0 : parts.size() - 1);
    for (std::size_t i = 0; i < helpers; ++i) {
        shared.threads.emplace_back(QThread::create([&shared, layOutSome] {
            layOutSome(false);
            shared.finished.release();
            // Kept layouts hold this thread's fonts until they are destroyed.
            shared.mayEnd.acquire();
        }));
        shared.threads.back()->start();
    }
    layOutSome(true);
    shared.finished.acquire(static_cast<int>(helpers));
    if (shared.failure)
        std::rethrow_exception(shared.failure);
    if (progress && told < parts.size())
        progress(parts.size());
}

PartLayouts::~PartLayouts() = default;

std::unique_ptr<QTextDocument> PartLayouts::take(std::size_t index, QPdfWriter& writer)
{
    if (index >= kept_.size() || !kept_[index])
        return nullptr;
    kept_[index]->documentLayout()->setPaintDevice(&writer);
    return std::move(kept_[index]);
}

}  // namespace tarrowin
