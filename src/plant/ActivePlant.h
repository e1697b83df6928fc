#pragma once
// The one way a model above the plant reaches the document the user is working on. The
// application installs itself; tests install their own. The plant may be null: before the
// first new or open, and while a plant is being replaced.
class Plant;

class ActivePlant {
public:
    virtual ~ActivePlant() = default;

    virtual Plant* activePlant() const = 0;

    // The installed source (not owned; null uninstalls).
    static void install(ActivePlant* source) { slot() = source; }
    static ActivePlant* installed() { return slot(); }
    // The installed source's plant; null without a source.
    static Plant* get() { return slot() ? slot()->activePlant() : nullptr; }

private:
    static ActivePlant*& slot()
    {
        static ActivePlant* s_source = nullptr;
        return s_source;
    }
};
