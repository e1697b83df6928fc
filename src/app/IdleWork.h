#pragma once
// Start-up work that pays only where a core would otherwise wait: it runs on a thread of its own
// at idle priority, so on a machine with few cores the window's thread and the scene loader keep
// them. A thread of its own, not the shared pool's: a pool thread keeps the priority it is given.
#include <QThread>

#include <memory>
#include <utility>

class IdleWork {
public:
    IdleWork() = default;
    template <typename Work>
    explicit IdleWork(Work&& work)
        : m_thread(QThread::create(std::forward<Work>(work)))
    {
        m_thread->setObjectName(QStringLiteral("start worker"));
        m_thread->start(QThread::IdlePriority);
    }
    IdleWork(IdleWork&& other) noexcept = default;
    IdleWork& operator=(IdleWork&& other) noexcept
    {
        wait();
        m_thread = std::move(other.m_thread);
        return *this;
    }
    IdleWork(const IdleWork&) = delete;
    IdleWork& operator=(const IdleWork&) = delete;
    ~IdleWork() { wait(); }

    // Started and not yet waited for.
    bool pending() const { return m_thread != nullptr; }
    // What the work wrote is visible to the caller once this returns.
    void wait()
    {
        if (!m_thread)
            return;
        m_thread->wait();
        m_thread.reset();
    }

private:
    std::unique_ptr<QThread> m_thread;
};
