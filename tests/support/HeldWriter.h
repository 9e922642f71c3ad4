// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An archive writer the test holds back: each file is written only when the test allows one more, with
// the bytes `bytesOf` gives for its entry; entries in `failing` fail with the file's name as their
// message. A cancel lets a held write go at once.

#include "book/BookExtraction.h"

#include <chrono>
#include <thread>

class HeldWriter : public ArchiveFileWriter {
public:
    struct Shared {
        std::atomic<int> allowed{0};
        std::vector<std::size_t> order; // the entries written or failed, in turn
        std::vector<std::size_t> failing;
    };
    using Bytes = std::function<QByteArray(std::size_t entry)>;

    HeldWriter(std::shared_ptr<Shared> shared, Bytes bytesOf)
        : m_shared(std::move(shared)), m_bytesOf(std::move(bytesOf))
    {}

    FileResult write(const ExtractionFile& file, const DirectoryHandle& dir, const QByteArray& tempName,
                     const std::atomic<bool>& cancelled) override
    {
        while (m_shared->allowed <= 0) {
            if (cancelled)
                return {};
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        --m_shared->allowed;
        m_shared->order.push_back(file.entry); // read by the test once the worker has settled it
        const auto& failing = m_shared->failing;
        if (std::find(failing.begin(), failing.end(), file.entry) != failing.end())
            return {false, false, {{QString::fromLatin1(file.bareName), QStringLiteral("bad")}}};
        const QByteArray bytes = m_bytesOf(file.entry);
        FileHandle out = dir.createFile(tempName);
        const bool ok = out.isOpen()
            && out.write(bytes.constData(), std::size_t(bytes.size())) == FileHandle::Written::Ok && out.close();
        return {ok, false, {}};
    }

private:
    std::shared_ptr<Shared> m_shared;
    Bytes m_bytesOf;
};
