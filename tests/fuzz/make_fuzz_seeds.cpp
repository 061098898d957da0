// Writes seed images for the fuzz targets into a folder: random bytes, sound
// images built by random editor-style operations (small to full), and damaged
// copies of those. The spare tail of each image, which no operation touches,
// carries random bytes that the fuzz target reads as its operation script.
// For fuzz_patched_image it writes short random patch lists instead (and for the
// other image targets as well, each starting with the base it patches), and for
// fuzz_list_reader channel lists: written ones, spreadsheet dialects, damaged ones;
// for fuzz_names_reader lists of names: written ones and the forms people keep; for
// fuzz_satxml_reader small transponder lists, sound and broken; for fuzz_archive_index
// archive indexes.
// Usage: make_fuzz_seeds TARGET FOLDER
#include "ModelTestImages.h"
#include "OperationScript.h"

#include "model/ChannelList.h"
#include "model/NamesList.h"
#include "model/SampleImages.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

using namespace vormante;
using namespace modeltest;

namespace {

std::vector<std::uint8_t> RandomBytes(std::size_t size, std::mt19937& random) {
    std::vector<std::uint8_t> bytes(size);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(random());
    return bytes;
}

bool Write(const std::filesystem::path& path, std::vector<std::uint8_t> image, std::mt19937& random) {
    for (std::size_t i = SCRIPT_AREA; i < IMAGE_SIZE; ++i)
        image[i] = static_cast<std::uint8_t>(random());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    return static_cast<bool>(out);
}

std::vector<std::uint8_t> BuiltImage(int operations, std::mt19937& random) {
    ChannelDatabase db;
    db.Load(std::vector<std::uint8_t>(IMAGE_SIZE, 0));
    db.BuildRecordPointers();
    const auto bytes = RandomBytes(static_cast<std::size_t>(operations) * 16, random);
    ByteScript script(bytes);
    OperationScript runner(db, script, ParameterMode::Editor);
    static constexpr int GROWTH[] = {0, 2, 2, 4, 4, 4, 4, 4, 4, 6, 8, 9, 11, 14};
    for (int i = 0; i < operations; ++i)
        runner.Run(GROWTH[script.Below(static_cast<int>(std::size(GROWTH)))]);
    return {db.workingCopy().begin(), db.workingCopy().end()};
}

std::vector<std::uint8_t> FullImage() {
    ChannelDatabase db;
    db.Load(std::vector<std::uint8_t>(IMAGE_SIZE, 0));
    db.BuildRecordPointers();
    for (int s = 0; s < SATELLITE_SLOTS; ++s)
        AddSatelliteWithTransponders(db, TRANSPONDER_SLOTS / SATELLITE_SLOTS);
    for (int c = 0; c < CHANNEL_SLOTS; ++c)
        StoreChannel(db, (c * 7) % TRANSPONDER_SLOTS, "Ch" + std::to_string(c), c % 5 != 0, c % 9 == 0);
    return {db.workingCopy().begin(), db.workingCopy().end()};
}

bool WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(out);
}

using SeedTexts = std::vector<std::pair<std::string, std::string>>;

// Writes each text under its file name into the folder and says how many there are: 0 when every
// one was written, else 1.
int WriteSeedTexts(const std::filesystem::path& folder, const SeedTexts& seeds, const char* what) {
    bool ok = true;
    for (const auto& [name, text] : seeds)
        ok = WriteText(folder / name, text) && ok;
    std::printf("%zu %s in %s\n", seeds.size(), what, folder.c_str());
    return ok ? 0 : 1;
}

std::string Replaced(std::string text, char from, const std::string& to) {
    std::string out;
    for (const char ch : text)
        out += ch == from ? to : std::string(1, ch);
    return out;
}

int WriteListSeeds(const std::filesystem::path& folder, std::mt19937& random) {
    ChannelDatabase db;
    db.Load(BuildDemoImage());
    db.BuildRecordPointers();
    const std::string list = WriteChannelList(db);
    const std::string built = [&] {
        ChannelDatabase other;
        other.Load(BuiltImage(200, random));
        other.BuildRecordPointers();
        return WriteChannelList(other);
    }();
    const std::string header = list.substr(0, list.find("\r\n") + 2);
    SeedTexts seeds = {
        {"demo.csv", list},
        {"built.csv", built},
        {"semicolons-bom.csv", "\xEF\xBB\xBF" + Replaced(list, ',', ";")},
        {"lf.csv", Replaced(list, '\r', "")},
        {"quoted.csv", header +
                           "\"A\",\"19.2E\",\"TV\",\"1\",\"Das \"\"E\"\"\",\"11836\",\"H\",\"27500\",\"101\","
                           "\"102\",\"101\",\"104\",\"x\",\"\",\"1\",\"0\",\"0\",\"0\"\r\n"},
        {"unclosed.csv", header + "A,19.2E,TV,1,\"open,11836\r\n"},
        {"header-only.csv", header},
    };
    for (int i = 0; i < 4; ++i) {
        std::string damaged = list.substr(0, 2048);
        for (int k = 0; k < 16; ++k)
            damaged[random() % damaged.size()] = static_cast<char>(random());
        seeds.emplace_back("damaged-" + std::to_string(i) + ".csv", damaged);
    }
    return WriteSeedTexts(folder, seeds, "seed lists");
}

int WriteNamesSeeds(const std::filesystem::path& folder) {
    ChannelDatabase db;
    db.Load(BuildDemoImage());
    db.BuildRecordPointers();
    const SeedTexts seeds = {
        {"tv.txt", WriteNamesList(db, 0, true)},
        {"radio.txt", WriteNamesList(db, 0, false)},
        {"forms.txt",
         "\xEF\xBB\xBF# mine\r\n3;ZDF\r\n1,ARTE HD\r\n\r\n2\tdas erste\r\n\"Sky \"\"1\"\"\"\rITV+1\n"},
        {"windows-1252.txt", "T\xE9l\xE9 5\n\x80uro\nZDF\nZDF\n"},
    };
    return WriteSeedTexts(folder, seeds, "seed lists of names");
}

// Transponder lists: a small sound one, C-band and Ku-band beams beside each other, bad values, a DTD.
int WriteSatellitesXmlSeeds(const std::filesystem::path& folder) {
    const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<satellites>\n";
    const std::string astra =
        "<sat name=\"19.2E Astra 1N/1P\" flags=\"1\" position=\"192\">\n"
        "<transponder frequency=\"11836000\" symbol_rate=\"27500000\" polarization=\"0\" system=\"0\"/>\n"
        "<transponder frequency=\"12188000\" symbol_rate=\"29700000\" polarization=\"2\" system=\"1\"/>\n"
        "</sat>\n";
    const std::string beams =
        "<sat name=\"0.8W Ku-band Thor\" position=\"-8\"><transponder frequency=\"10872000\" "
        "symbol_rate=\"25000000\" polarization=\"1\"/></sat>\n"
        "<sat name=\"0.8W C-band Thor\" position=\"-9\"><transponder frequency=\"3900000\" "
        "symbol_rate=\"3000000\" polarization=\"3\"/></sat>\n"
        "<sat name=\"10.0E New\" position=\"100\"><transponder frequency=\"11000000\" "
        "symbol_rate=\"27500000\" polarization=\"1\"/></sat>\n";
    const std::string bad = "<sat position=\"1801\"/><sat position=\"130\"><transponder frequency=\"0\" "
                            "symbol_rate=\"-1\" polarization=\"7\"/><transponder frequency=\"1000000000000\" "
                            "symbol_rate=\"27500000\" polarization=\"0\"/><!-- note --><x/></sat>\n";
    const SeedTexts seeds = {
        {"astra.xml", head + astra + "</satellites>\n"},
        {"beams.xml", head + astra + beams + "</satellites>\n"},
        {"bad-values.xml", head + bad + "</satellites>\n"},
        {"entities.xml", "<!DOCTYPE satellites [<!ENTITY a \"aa\">]>\n<satellites>&a;</satellites>\n"},
        {"cut-off.xml", (head + astra).substr(0, 150)},
    };
    return WriteSeedTexts(folder, seeds, "seed lists");
}

// Archive indexes: one as the archive writes it, with escapes, and damaged ones.
int WriteArchiveIndexSeeds(const std::filesystem::path& folder) {
    const std::string entry =
        "{\"id\":\"2026-12-09_183005_received\",\"msecs\":1796841005000,\"kind\":"
        "\"received\",\"stored\":\"2026-12-09_183005_received.bin\",\"sha256\":\"ab01\","
        "\"satellites\":3,\"transponders\":40,\"channels\":120,\"port\":\"/dev/ttyUSB0\"}";
    const std::string saved =
        "{\"id\":\"2026-12-09_183006_before-save\",\"msecs\":1796841006000,\"kind\":"
        "\"before-save\",\"stored\":\"x.bin\",\"sha256\":\"\",\"satellites\":-1,"
        "\"transponders\":-1,\"channels\":-1,\"file\":\"/home/a \\\"b\\\"\\u00e9\\n.bin\"}";
    const SeedTexts seeds = {
        {"index.json", "{\"limit\":500,\"entries\":[" + entry + "," + saved + "]}\n"},
        {"odd-values.json",
         "{\"limit\":-3,\"entries\":[{\"id\":\"\",\"msecs\":1e300,\"kind\":\"sent\"},7,[]]}"},
        {"cut-off.json", ("{\"limit\":500,\"entries\":[" + entry).substr(0, 90)},
        {"file-name", "2026-12-09_183005_received-2.bin"},
    };
    return WriteSeedTexts(folder, seeds, "seed indexes");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s TARGET FOLDER\n", argv[0]);
        return 2;
    }
    const std::string target = argv[1];
    const std::filesystem::path folder = argv[2];
    std::filesystem::create_directories(folder);
    std::mt19937 random(20261208);
    if (target == "fuzz_list_reader")
        return WriteListSeeds(folder, random);
    if (target == "fuzz_names_reader")
        return WriteNamesSeeds(folder);
    if (target == "fuzz_satxml_reader")
        return WriteSatellitesXmlSeeds(folder);
    if (target == "fuzz_archive_index")
        return WriteArchiveIndexSeeds(folder);
    // Short inputs patch a base image: for these targets the first byte picks the base.
    const bool picksBase =
        target == "fuzz_operations" || target == "fuzz_image_dump" || target == "fuzz_pages";
    if (target == "fuzz_patched_image" || picksBase) {
        for (int i = 0; i < 16; ++i) {
            std::ofstream out(folder / ("patches-" + std::to_string(i)), std::ios::binary | std::ios::trunc);
            auto bytes = RandomBytes(64 + 32 * static_cast<std::size_t>(i), random);
            if (picksBase)
                bytes[0] = static_cast<std::uint8_t>(i % 3);
            out.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<std::streamsize>(bytes.size()));
            if (!out)
                return 1;
        }
        std::printf("16 seed patch lists in %s\n", folder.c_str());
        if (!picksBase)
            return 0;
    }
    bool ok = true;
    int written = 0;
    const auto write = [&](const std::string& name, std::vector<std::uint8_t> image) {
        ok = Write(folder / (name + ".bin"), std::move(image), random) && ok;
        ++written;
    };
    for (int i = 0; i < 4; ++i)
        write("random-" + std::to_string(i), RandomBytes(IMAGE_SIZE, random));
    write("empty", std::vector<std::uint8_t>(IMAGE_SIZE, 0));
    write("ones", std::vector<std::uint8_t>(IMAGE_SIZE, 0xFF));
    std::vector<std::vector<std::uint8_t>> sound;
    for (int operations : {20, 200, 1500})
        sound.push_back(BuiltImage(operations, random));
    sound.push_back(FullImage());
    for (std::size_t i = 0; i < sound.size(); ++i) {
        write("sound-" + std::to_string(i), sound[i]);
        auto damaged = sound[i];
        for (int k = 0; k < 64; ++k)
            damaged[random() % SCRIPT_AREA] = static_cast<std::uint8_t>(random());
        write("damaged-" + std::to_string(i), std::move(damaged));
    }
    std::printf("%d seed images in %s\n", written, folder.c_str());
    return ok ? 0 : 1;
}
