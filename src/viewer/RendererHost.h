#pragma once
// What the renderers need from the window that owns them: the typing timer, which the
// character renderer switches off to report a full page or the end of the text.
class RendererHost {
public:
    virtual ~RendererHost() = default;
    virtual bool Timer1Enabled() const = 0;
    virtual void SetTimer1Enabled(bool on) = 0;
};

// A host without a window: the typing timer is a flag (command line, term search, tests).
class FlagRendererHost final : public RendererHost {
public:
    bool Timer1Enabled() const override { return timer1_; }
    void SetTimer1Enabled(bool on) override { timer1_ = on; }

private:
    bool timer1_ = false;
};
