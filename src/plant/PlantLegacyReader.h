#pragma once
// What the plant load needs to open a plant file of an earlier release: the reader lives in the
// import layer above the plant, so the application installs a factory for it here. The notice
// shown after such a file was read goes through the plant's dialog seam. Tests install their own.
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

// An empty function uninstalls.
void setPlantLegacyReaderFactory(PlantLegacyReaderFactory factory);
