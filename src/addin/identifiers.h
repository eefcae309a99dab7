#pragma once
// The add-in's COM identity. The class, its dispatch interface and its type
// library are this product's own; the connection interface is the
// environment's published add-in interface.

#include <guiddef.h>

namespace verbsmith::addin {

inline constexpr wchar_t kProgId[] = L"CarthexVerbsmith.VerbsmithCls";
inline constexpr wchar_t kClassName[] = L"VerbsmithCls";
inline constexpr wchar_t kTypeLibName[] = L"CarthexVerbsmith";
inline constexpr wchar_t kDispatchName[] = L"_VerbsmithCls";

// {41B56E06-E948-4173-B71B-F1CF718C6EC8}
inline constexpr GUID kClassId = {
    0x41b56e06, 0xe948, 0x4173, {0xb7, 0x1b, 0xf1, 0xcf, 0x71, 0x8c, 0x6e, 0xc8}};
// {32338D85-E92E-46CB-9B3A-3D4417BEA77C}
inline constexpr GUID kTypeLibId = {
    0x32338d85, 0xe92e, 0x46cb, {0x9b, 0x3a, 0x3d, 0x44, 0x17, 0xbe, 0xa7, 0x7c}};
// {6F5C5D45-4B60-4D2B-BC3B-DC6E5F76AB9A}
inline constexpr GUID kDispatchId = {
    0x6f5c5d45, 0x4b60, 0x4d2b, {0xbc, 0x3b, 0xdc, 0x6e, 0x5f, 0x76, 0xab, 0x9a}};
// _IDTExtensibility2 {B65AD801-ABAF-11D0-BB8B-00A0C90F2744}
inline constexpr GUID kExtensibilityId = {
    0xb65ad801, 0xabaf, 0x11d0, {0xbb, 0x8b, 0x00, 0xa0, 0xc9, 0x0f, 0x27, 0x44}};

}  // namespace verbsmith::addin
