#include "data/ItemFile.h"

#include "data/Errors.h"
#include "data/Fields.h"
#include "data/Text.h"

#include <algorithm>
#include <filesystem>

namespace vantor {

TItem ParseItemLine(std::string_view line)
{
    TItem item;
    ParseItemLine(line, item);
    return item;
}

void ParseItemLine(std::string_view line, TItem& item)
{
    FieldReader f(line);
    item.Number = f.Int();
    // Quotes become blanks, then the blanks they leave at either end go.
    const std::string_view name = f.Text();
    size_t first = 0, last = name.size();
    while (first < last && (name[first] == '"' || static_cast<unsigned char>(name[first]) <= ' ')) ++first;
    while (last > first && (name[last - 1] == '"' || static_cast<unsigned char>(name[last - 1]) <= ' ')) --last;
    item.Name.assign(name.substr(first, last - first));
    std::replace(item.Name.begin(), item.Name.end(), '"', ' ');
    item.Limit = f.Int();
    item.Weight = f.Int();
    item.ItemType = f.Int();
    f.Take(item.Abilities);
    item.Spare16 = f.Int();
    item.Spare17 = f.Int();
    f.Take(item.ClassOnly);
    item.MinDamage = f.Int();
    item.MaxDamage = f.Int();
    item.ArmourClass = f.Int() / 10.0;
    f.Take(item.Negates);
    item.WeaponType = f.Int();
    item.ArmourType = f.Int();
    item.WornSlot = f.Int();
    item.Accuracy = f.Int();
    // Damage resistance is kept in tenths until every DR ability is added, so that the sum is
    // exact (1 + 2 - 3 tenths is 0, not a rounding residue).
    int64_t drTenths = f.Int();
    item.StrengthReq = f.Int();
    item.Speed = f.Int();
    f.Take(item.AbilityValues);
    item.Spare58 = f.Int();
    item.Spare59 = f.Int();

    if (item.WornSlot == 13) item.WornSlot = 4;  // the second finger is stored as "Fingers"

    for (int i = 0; i < kSlots; ++i) {
        const int32_t v = item.AbilityValues[i];
        switch (item.Abilities[i]) {
        case 96: item.EncumbranceBonus = v; break;
        case 58: item.Crits = v; break;
        case 7: drTenths += v; break;
        case 36: item.MagicRes = v; break;
        case 27: item.Stealth = v; break;
        case 34: item.Dodge = v; break;
        case 4: item.MaxDamageBonus = v; break;
        case 135: item.MinLevel = v; break;
        case 116: item.BSAccuracy = v; break;
        case 142: item.HitMagic = v; break;
        case 28: item.Magical = v; break;
        default: break;  // 59, the classes also allowed, is read from the slots: TItem::ClassOk
        }
    }
    item.DamageResist = static_cast<double>(drTenths) / 10.0;
}

void Read1Item(std::string_view line, ItemList& items, const ItemDescriber& describe)
{
    // Parsed in place: no copy of the record.
    TItem& item = items.emplace_back();
    try {
        ParseItemLine(line, item);
        if (describe) describe(item);
    } catch (...) {
        items.pop_back();
        throw;
    }
    if (item.Name.find("sdf") != std::string::npos) items.pop_back();
}

static std::string ItemFilePath(const std::string& dataDir)
{
    const std::string path = FindDataFile(dataDir, "Items.txt");
    return path.empty() ? FindDataFile(dataDir, "Itemsnew.txt") : path;
}

void ReadItemData(const std::string& dataDir, ItemList& items, const ItemDescriber& describe, const Pump& pump)
{
    const std::string path = ItemFilePath(dataDir);
    if (!path.empty()) ReadLines(path, pump, [&](std::string_view line) { Read1Item(line, items, describe); });
}

void ItemFileReader::Open(const std::string& dataDir, size_t pieceBytes)
{
    path_ = ItemFilePath(dataDir);
    if (path_.empty()) return;
    file_ = std::make_unique<LinePieces>(path_, pieceBytes);
    pieces_.resize(file_->Count());
}

void ItemFileReader::ParsePieces(const Pump& pump)
{
    std::string buffer;  // one a thread, reused for every piece it takes
    for (size_t k; (k = next_.fetch_add(1)) < pieces_.size();) {
        if (pump) pump();
        Piece& piece = pieces_[k];
        try {
            piece.Lines = ForEachLine(file_->Read(k, buffer), nullptr,
                                      [&](std::string_view line) { Read1Item(line, piece.Items, nullptr); });
        } catch (EConvertError& e) {
            piece.Lines = e.Line;
            piece.Error = std::current_exception();
        } catch (...) {
            piece.Error = std::current_exception();
        }
    }
}

void ItemFileReader::Finish(ItemList& items)
{
    file_.reset();
    size_t count = items.size();
    for (const Piece& piece : pieces_) count += piece.Items.size();
    items.reserve(count);
    long long linesBefore = 0;
    for (Piece& piece : pieces_) {
        items.splice_back(std::move(piece.Items));
        if (piece.Error) {
            try {
                std::rethrow_exception(piece.Error);
            } catch (EConvertError& e) {
                e.File = std::filesystem::path(path_).filename().string();
                e.Line = linesBefore + piece.Lines;
                throw;
            }
        }
        linesBefore += piece.Lines;
    }
}

}  // namespace vantor
