#pragma once
#include <cstdint>

// The flags of the folder interface, with the values the shell controls pass around.
namespace win {

// What an enumeration lists.
constexpr std::uint32_t SHCONTF_FOLDERS = 0x20;
constexpr std::uint32_t SHCONTF_NONFOLDERS = 0x40;
constexpr std::uint32_t SHCONTF_INCLUDEHIDDEN = 0x80;

// Which name of an item: the name to show, alone in its folder, or the parsing name.
constexpr std::uint32_t SHGDN_NORMAL = 0x0;
constexpr std::uint32_t SHGDN_INFOLDER = 0x1;
constexpr std::uint32_t SHGDN_FORPARSING = 0x8000;

// Attributes of an item: what may be done with it, then how it is shown, then what it is.
constexpr std::uint32_t SFGAO_CANCOPY = 0x1;
constexpr std::uint32_t SFGAO_CANMOVE = 0x2;
constexpr std::uint32_t SFGAO_CANLINK = 0x4;
constexpr std::uint32_t SFGAO_CANRENAME = 0x10;
constexpr std::uint32_t SFGAO_CANDELETE = 0x20;
constexpr std::uint32_t SFGAO_HASPROPSHEET = 0x40;
constexpr std::uint32_t SFGAO_DROPTARGET = 0x100;
constexpr std::uint32_t SFGAO_CAPABILITYMASK = 0x177;
constexpr std::uint32_t SFGAO_GHOSTED = 0x8000;
constexpr std::uint32_t SFGAO_LINK = 0x10000;
constexpr std::uint32_t SFGAO_SHARE = 0x20000;
constexpr std::uint32_t SFGAO_READONLY = 0x40000;
constexpr std::uint32_t SFGAO_HIDDEN = 0x80000;
constexpr std::uint32_t SFGAO_DISPLAYATTRMASK = 0xFC000;
constexpr std::uint32_t SFGAO_VALIDATE = 0x1000000;
constexpr std::uint32_t SFGAO_REMOVABLE = 0x2000000;
constexpr std::uint32_t SFGAO_FILESYSANCESTOR = 0x10000000;
constexpr std::uint32_t SFGAO_FOLDER = 0x20000000;
constexpr std::uint32_t SFGAO_FILESYSTEM = 0x40000000;
constexpr std::uint32_t SFGAO_HASSUBFOLDER = 0x80000000;

} // namespace win
