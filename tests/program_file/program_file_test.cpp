// The built 32-bit program file, read as bytes: a PE32 i386 GUI program
// that imports only system libraries and carries its icon, its Chinese
// (Simplified) version block and its elevation manifest as resources.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/bytes.h"

namespace {

constexpr std::uint16_t kMachineI386 = 0x014C;
constexpr std::uint16_t kPe32Magic = 0x010B;
constexpr std::uint16_t kSubsystemWindowsGui = 2;
constexpr std::uint16_t kLargeAddressAware = 0x0020;  // IMAGE_FILE_LARGE_ADDRESS_AWARE
constexpr std::uint32_t kRtIcon = 3;
constexpr std::uint32_t kRtGroupIcon = 14;
constexpr std::uint32_t kRtVersion = 16;
constexpr std::uint32_t kRtManifest = 24;

Bytes readFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// For failure messages: ASCII as is, anything else as \uXXXX.
std::string describe(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) {
        char escaped[12];
        std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
        out +=
            (c >= 0x20 && c < 0x7F) ? std::string(1, static_cast<char>(c)) : std::string(escaped);
    }
    return out;
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A view of a PE file that maps virtual addresses to file bytes, with every
// offset checked against the file's length.
class PeFile {
public:
    struct Resource {
        std::uint32_t type = 0;
        std::u16string name;  // empty for a numbered resource
        std::uint32_t id = 0;
        std::uint32_t language = 0;
        Bytes data;
    };

    explicit PeFile(Bytes file) : file_(std::move(file)) { valid_ = parseHeaders(); }

    bool valid() const { return valid_; }
    std::uint16_t machine() const { return machine_; }
    std::uint16_t characteristics() const { return characteristics_; }
    std::uint16_t optionalMagic() const { return optionalMagic_; }
    std::uint16_t subsystem() const { return subsystem_; }

    std::vector<std::string> importedLibraries() const {
        std::vector<std::string> names;
        for (std::uint32_t rva = importRva_; importRva_ != 0; rva += 20) {
            const std::uint8_t* descriptor = at(rva, 20);
            if (!descriptor ||
                std::all_of(descriptor, descriptor + 20, [](std::uint8_t b) { return b == 0; }))
                break;
            names.push_back(asciiAt(le32(descriptor + 12)));
        }
        return names;
    }

    // Every leaf of the resource tree, in directory order.
    std::vector<Resource> resources() const {
        std::vector<Resource> found;
        if (resourceRva_ == 0) return found;
        Resource path;
        walkDirectory(0, 0, path, found);
        return found;
    }

private:
    static std::uint16_t le16(const std::uint8_t* p) {
        return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    }
    static std::uint32_t le32(const std::uint8_t* p) {
        return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    }

    const std::uint8_t* fileAt(std::uint64_t offset, std::uint64_t size) const {
        return offset + size <= file_.size() ? file_.data() + offset : nullptr;
    }

    const std::uint8_t* at(std::uint32_t rva, std::uint32_t size) const {
        for (const Section& section : sections_) {
            if (rva >= section.virtualAddress && rva - section.virtualAddress < section.rawSize &&
                std::uint64_t(rva - section.virtualAddress) + size <= section.rawSize)
                return fileAt(std::uint64_t(section.rawOffset) + (rva - section.virtualAddress),
                              size);
        }
        return nullptr;
    }

    std::string asciiAt(std::uint32_t rva) const {
        std::string text;
        for (const std::uint8_t* c = at(rva, 1); c && *c && text.size() < 260; c = at(++rva, 1))
            text += static_cast<char>(*c);
        return text;
    }

    bool parseHeaders() {
        const std::uint8_t* dos = fileAt(0, 64);
        if (!dos || dos[0] != 'M' || dos[1] != 'Z') return false;
        const std::uint32_t peOffset = le32(dos + 60);
        const std::uint8_t* pe = fileAt(peOffset, 24);
        if (!pe || std::string(reinterpret_cast<const char*>(pe), 4) != std::string("PE\0\0", 4))
            return false;
        machine_ = le16(pe + 4);
        characteristics_ = le16(pe + 22);
        const std::uint16_t sectionCount = le16(pe + 6);
        const std::uint16_t optionalSize = le16(pe + 20);
        const std::uint8_t* optional = fileAt(peOffset + 24, optionalSize);
        if (!optional || optionalSize < 96) return false;
        optionalMagic_ = le16(optional);
        if (optionalMagic_ != kPe32Magic)
            return true;  // headers readable; the test reports the wrong kind
        subsystem_ = le16(optional + 68);
        const std::uint32_t directoryCount = le32(optional + 92);
        if (directoryCount > 1 && optionalSize >= 96 + 2 * 8) importRva_ = le32(optional + 96 + 8);
        if (directoryCount > 2 && optionalSize >= 96 + 3 * 8)
            resourceRva_ = le32(optional + 96 + 16);
        const std::uint8_t* table =
            fileAt(std::uint64_t(peOffset) + 24 + optionalSize, sectionCount * 40ull);
        if (!table) return false;
        for (std::uint16_t i = 0; i < sectionCount; ++i) {
            const std::uint8_t* header = table + i * 40;
            sections_.push_back({le32(header + 12), le32(header + 16), le32(header + 20)});
        }
        return true;
    }

    std::u16string nameAt(std::uint32_t offset) const {
        std::u16string name;
        const std::uint8_t* length = at(resourceRva_ + offset, 2);
        if (!length) return name;
        const std::uint8_t* chars = at(resourceRva_ + offset + 2, le16(length) * 2u);
        for (std::uint16_t i = 0; chars && i < le16(length); ++i)
            name += static_cast<char16_t>(le16(chars + 2 * i));
        return name;
    }

    // Levels: 0 type, 1 name or id, 2 language, then the data entry.
    void walkDirectory(std::uint32_t offset, int level, Resource& path,
                       std::vector<Resource>& found) const {
        const std::uint8_t* directory = at(resourceRva_ + offset, 16);
        if (!directory || level > 2) return;
        const std::uint32_t entryCount = le16(directory + 12) + le16(directory + 14);
        for (std::uint32_t i = 0; i < entryCount; ++i) {
            const std::uint8_t* entry = at(resourceRva_ + offset + 16 + i * 8, 8);
            if (!entry) return;
            const std::uint32_t nameField = le32(entry);
            const std::uint32_t target = le32(entry + 4);
            const bool named = (nameField & 0x80000000u) != 0;
            if (level == 0) {
                path.type = nameField;
            } else if (level == 1) {
                path.name = named ? nameAt(nameField & 0x7FFFFFFFu) : std::u16string();
                path.id = named ? 0 : nameField;
            } else {
                path.language = nameField;
            }
            if (target & 0x80000000u) {
                walkDirectory(target & 0x7FFFFFFFu, level + 1, path, found);
            } else if (level == 2) {
                const std::uint8_t* dataEntry = at(resourceRva_ + target, 16);
                const std::uint8_t* bytes =
                    dataEntry ? at(le32(dataEntry), le32(dataEntry + 4)) : nullptr;
                if (bytes) {
                    Resource leaf = path;
                    leaf.data.assign(bytes, bytes + le32(dataEntry + 4));
                    found.push_back(std::move(leaf));
                }
            }
        }
    }

    struct Section {
        std::uint32_t virtualAddress;
        std::uint32_t rawSize;
        std::uint32_t rawOffset;
    };

    Bytes file_;
    bool valid_ = false;
    std::uint16_t machine_ = 0;
    std::uint16_t characteristics_ = 0;
    std::uint16_t optionalMagic_ = 0;
    std::uint16_t subsystem_ = 0;
    std::uint32_t importRva_ = 0;
    std::uint32_t resourceRva_ = 0;
    std::vector<Section> sections_;
};

// The string values and fixed fields of a VS_VERSIONINFO tree. Each node is
// wLength, wValueLength, wType, a NUL-terminated UTF-16 key, padding to 4
// bytes, the value, padding, then child nodes up to wLength.
struct VersionInfo {
    bool valid = false;
    std::uint32_t fixedSignature = 0;
    std::uint32_t fileVersionMs = 0, fileVersionLs = 0;
    std::uint32_t productVersionMs = 0, productVersionLs = 0;
    std::map<std::u16string, std::u16string> strings;  // "080404b0/CompanyName" -> value
    std::vector<std::uint16_t> translation;
};

bool readVersionNode(const Bytes& data, std::size_t offset, std::size_t end,
                     const std::u16string& parent, VersionInfo& info, int depth) {
    auto u16at = [&](std::size_t at) {
        return static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8));
    };
    auto align4 = [](std::size_t at) { return (at + 3) & ~std::size_t(3); };
    if (depth > 4 || offset + 6 > end) return false;
    const std::size_t length = u16at(offset);
    const std::size_t valueLength = u16at(offset + 2);
    const bool textValue = u16at(offset + 4) == 1;
    if (length < 6 || offset + length > end) return false;
    const std::size_t nodeEnd = offset + length;
    std::u16string key;
    std::size_t at = offset + 6;
    for (; at + 2 <= nodeEnd && u16at(at) != 0; at += 2) key += static_cast<char16_t>(u16at(at));
    at = align4(at + 2);
    const std::size_t valueBytes = textValue ? valueLength * 2 : valueLength;
    if (at + valueBytes > nodeEnd) return false;

    const std::u16string path = parent.empty() ? key : parent + u'/' + key;
    if (depth == 0 && valueBytes >= 52) {
        info.fixedSignature = u16at(at) | (u16at(at + 2) << 16);
        info.fileVersionMs = u16at(at + 8) | (u16at(at + 10) << 16);
        info.fileVersionLs = u16at(at + 12) | (u16at(at + 14) << 16);
        info.productVersionMs = u16at(at + 16) | (u16at(at + 18) << 16);
        info.productVersionLs = u16at(at + 20) | (u16at(at + 22) << 16);
    } else if (textValue && valueBytes > 0) {
        std::u16string value;
        for (std::size_t c = at; c + 2 <= at + valueBytes && u16at(c) != 0; c += 2)
            value += static_cast<char16_t>(u16at(c));
        info.strings[path] = value;
    } else if (key == u"Translation") {
        for (std::size_t c = at; c + 2 <= at + valueBytes; c += 2)
            info.translation.push_back(u16at(c));
    }
    // Paths leave out the root's key, "VS_VERSION_INFO".
    const std::u16string childParent = depth == 0 ? std::u16string() : path;
    for (std::size_t child = align4(at + valueBytes); child + 6 <= nodeEnd;) {
        const std::size_t childLength = u16at(child);
        if (!readVersionNode(data, child, nodeEnd, childParent, info, depth + 1)) return false;
        child = align4(child + childLength);
    }
    return true;
}

VersionInfo readVersionInfo(const Bytes& data) {
    VersionInfo info;
    info.valid = readVersionNode(data, 0, data.size(), u"", info, 0);
    return info;
}

class ProgramFile : public ::testing::Test {
protected:
    static void SetUpTestSuite() { program_ = new PeFile(readFile(VELLUMARK_WIN32_EXE)); }
    static void TearDownTestSuite() {
        delete program_;
        program_ = nullptr;
    }

    void SetUp() override {
        // ctest runs these checks only once the 32-bit build has made the
        // file, so a file that cannot be read is a broken build, not a skip.
        ASSERT_TRUE(program_->valid()) << VELLUMARK_WIN32_EXE << " is missing or not a PE file";
    }

    static std::vector<PeFile::Resource> resourcesOfType(std::uint32_t type) {
        std::vector<PeFile::Resource> matching;
        for (PeFile::Resource& resource : program_->resources())
            if (resource.type == type) matching.push_back(std::move(resource));
        return matching;
    }

    static PeFile* program_;
};

PeFile* ProgramFile::program_ = nullptr;

}  // namespace

TEST_F(ProgramFile, IsA32BitGuiProgram) {
    EXPECT_EQ(program_->machine(), kMachineI386);
    EXPECT_EQ(program_->optionalMagic(), kPe32Magic);
    EXPECT_EQ(program_->subsystem(), kSubsystemWindowsGui);
    // 4 GB of address space on 64-bit Windows instead of 2 GB.
    EXPECT_TRUE(program_->characteristics() & kLargeAddressAware)
        << std::hex << program_->characteristics();
}

TEST_F(ProgramFile, ImportsOnlySystemLibraries) {
    const std::vector<std::string> allowed = {
        "kernel32.dll", "user32.dll", "gdi32.dll",   "advapi32.dll", "comdlg32.dll",
        "ole32.dll",    "msvcrt.dll", "shell32.dll", "comctl32.dll",
    };
    const std::vector<std::string> imports = program_->importedLibraries();
    EXPECT_FALSE(imports.empty());
    for (const std::string& library : imports) {
        const std::string name = lowerCase(library);
        const bool system = std::find(allowed.begin(), allowed.end(), name) != allowed.end() ||
                            name.rfind("api-ms-win-", 0) == 0;
        EXPECT_TRUE(system) << library;
    }
}

TEST_F(ProgramFile, VersionBlockIsChineseSimplifiedUnicode) {
    const std::vector<PeFile::Resource> blocks = resourcesOfType(kRtVersion);
    ASSERT_EQ(blocks.size(), 1u);
    const VersionInfo info = readVersionInfo(blocks[0].data);
    ASSERT_TRUE(info.valid);
    EXPECT_EQ(info.fixedSignature, 0xFEEF04BDu);
    EXPECT_EQ(info.fileVersionMs, 0x00010000u);
    EXPECT_EQ(info.fileVersionLs, 0u);
    EXPECT_EQ(info.productVersionMs, 0x00010000u);
    EXPECT_EQ(info.productVersionLs, 0u);

    const std::map<std::u16string, std::u16string> expected = {
        {u"StringFileInfo/080404b0/FileVersion", u"1.0.0.0"},
        {u"StringFileInfo/080404b0/ProductVersion", u"1.0.0.0"},
        {u"StringFileInfo/080404b0/FileDescription", u"Vellumark"},
        {u"StringFileInfo/080404b0/ProductName", u"电脑Vellumark"},
        {u"StringFileInfo/080404b0/CompanyName", u"Tarnhollow"},
    };
    for (const auto& [key, value] : expected) {
        const auto found = info.strings.find(key);
        ASSERT_NE(found, info.strings.end()) << describe(key);
        EXPECT_TRUE(found->second == value) << describe(key) << " is " << describe(found->second);
    }
    EXPECT_EQ(info.translation, (std::vector<std::uint16_t>{0x0804, 1200}));
}

TEST_F(ProgramFile, DefaultIconIsTheFirstGroupWithOne32BitImage) {
    const std::vector<PeFile::Resource> groups = resourcesOfType(kRtGroupIcon);
    ASSERT_FALSE(groups.empty());
    // Explorer shows the first icon group as the file's icon.
    EXPECT_TRUE(groups.front().name == u"DEFAULT_ICON") << describe(groups.front().name);

    const Bytes& group = groups.front().data;
    ASSERT_EQ(group.size(), 6u + 14u);
    EXPECT_EQ(group[2] | (group[3] << 8), 1);  // icon, not cursor
    ASSERT_EQ(group[4] | (group[5] << 8), 1);  // one image
    EXPECT_EQ(group[6], 32);
    EXPECT_EQ(group[7], 32);
    EXPECT_EQ(group[12] | (group[13] << 8), 32);
    const std::uint32_t imageId = group[18] | (group[19] << 8);

    const std::vector<PeFile::Resource> icons = resourcesOfType(kRtIcon);
    const auto image = std::find_if(icons.begin(), icons.end(), [&](const PeFile::Resource& icon) {
        return icon.id == imageId;
    });
    ASSERT_NE(image, icons.end());
    const Bytes& bitmap = image->data;
    // BITMAPINFOHEADER with a doubled height (colour rows plus AND mask), 32 bits.
    ASSERT_EQ(bitmap.size(), 40u + 32 * 32 * 4 + 32 * 4);
    EXPECT_EQ(bitmap[0], 40);
    EXPECT_EQ(bitmap[4], 32);
    EXPECT_EQ(bitmap[8], 64);
    EXPECT_EQ(bitmap[14], 32);
    bool anyTranslucent = false;
    for (std::size_t p = 40 + 3; p < 40 + 32 * 32 * 4; p += 4)
        anyTranslucent = anyTranslucent || bitmap[p] != 0xFF;
    EXPECT_TRUE(anyTranslucent) << "alpha channel is unused";
}

TEST_F(ProgramFile, ManifestAsksForAdministratorAndChangesNothingElse) {
    const std::vector<PeFile::Resource> manifests = resourcesOfType(kRtManifest);
    ASSERT_EQ(manifests.size(), 1u);
    EXPECT_EQ(manifests[0].id, 1u);
    const std::string text(manifests[0].data.begin(), manifests[0].data.end());
    EXPECT_NE(text.find("level=\"requireAdministrator\""), std::string::npos);
    EXPECT_NE(text.find("uiAccess=\"false\""), std::string::npos);
    for (const char* unwanted :
         {"Common-Controls", "dpiAware", "dpiAwareness", "supportedOS", "longPathAware"})
        EXPECT_EQ(text.find(unwanted), std::string::npos) << unwanted;
}
