#pragma once
// What the plant load needs to open a plant file of an earlier release: the reader lives in the
// import layer above the plant, so the application installs a factory for it here, and the
// notice shown after such a file was read goes through a handler that the application installs
// (a warning box with one Ok, the override cursor restored while it is open). Tests install
// their own.
#include <QString>

#include <functional>
#include <memory>

class Plant;

class PlantLegacyReader {
public:
    virtual ~PlantLegacyReader() = default;
    // Opens the file and checks its container; 0 or a plant file result code.
    virtual uint readFile() = 0;
    // Reads the sections into the plant; 0 or a plant file result code.
    virtual uint loadSections(Plant& plant) = 0;
};

using PlantLegacyReaderFactory = std::function<std::unique_ptr<PlantLegacyReader>(const QString& fileName)>;
using PlantNoticeHandler = std::function<void(const QString& text)>;

// An empty function uninstalls.
void setPlantLegacyReaderFactory(PlantLegacyReaderFactory factory);
void setPlantNoticeHandler(PlantNoticeHandler handler);
