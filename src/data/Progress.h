#pragma once
// What long operations tell the progress window; logic sees only this.

#include <QString>

namespace kv {

class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual void setStepCount(int n) = 0;
    virtual void setStep(int i) = 0;
    virtual void setItemCount(int n) = 0;
    virtual void setItem(int i) = 0;
};

// Does nothing: for logic run without a screen.
class NoProgress : public ProgressSink {
public:
    void start() override {}
    void stop() override {}
    void setStepCount(int) override {}
    void setStep(int) override {}
    void setItemCount(int) override {}
    void setItem(int) override {}
};

// Calls stop() on every way out of a scope.
class ProgressRun {
public:
    explicit ProgressRun(ProgressSink& p) : p_(p) { p_.start(); }
    ~ProgressRun() { p_.stop(); }
    ProgressRun(const ProgressRun&) = delete;
    ProgressRun& operator=(const ProgressRun&) = delete;

private:
    ProgressSink& p_;
};

}  // namespace kv
