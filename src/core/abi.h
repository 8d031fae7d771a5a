// The records that cross the boundary between the host and the plug-in.
//
// Their layout is part of the host interface: plain standard-layout structs in the
// host's field order. On 32-bit targets every offset is checked below; on 64-bit targets
// pointers are 8 bytes and integers stay 32-bit, naturally aligned.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define ZRT_CDECL __cdecl
#define ZRT_THISCALL __thiscall
#else
#define ZRT_CDECL
#define ZRT_THISCALL
#endif

#define ZRT_ABI_32BIT (UINTPTR_MAX == 0xFFFFFFFFu)

extern "C" {

// A text owned by a node: heap data (process heap), NUL-terminated. Empty or unset: all 0.
struct NodeText {
  char* data;
  uint32_t capacity;  // length + 1 when set, 0 when empty
  uint32_t length;
};

// One attribute in a node's circular, doubly linked attribute list.
struct NodeAttribute {
  NodeText name;
  NodeText value;
  NodeAttribute* previous;
  NodeAttribute* next;
};

struct HostNode;

// The node's one virtual operation, as an explicit table so that nodes built by a host
// compiled with another compiler stay compatible.
struct HostNodeDispatch {
  // Destroys attributes, children and name; with freeMemory set also frees the node.
  void(ZRT_THISCALL* Destroy)(HostNode* node, int freeMemory);
};

// An element of the host project tree.
struct HostNode {
  const HostNodeDispatch* dispatch;
  NodeText name;
  uint32_t kind;  // copied with the node, not interpreted by the plug-in
  HostNode* parent;
  HostNode* firstChild;
  HostNode* lastChild;
  HostNode* previousSibling;
  HostNode* nextSibling;
  NodeAttribute attributes;  // sentinel of the attribute list; its name and value stay empty
};

// The selected device as the host's device database describes it.
struct DeviceRecord {
  const char* vendor;
  const char* name;
  const void* reserved;
  const char* const* information;  // null-terminated array of description lines
  const char* selectionKey;        // tells one selection from another (with the name)
};

constexpr std::size_t kDeviceBlockSize = 2336;

// The nine words handed to Initialize.
struct HostInfo {
  void* mainWindow;
  const char* installDirectory;  // ends in '\'
  const char* projectPath;
  void* hostValue;  // opaque, only copied
  const void* deviceBlock;  // kDeviceBlockSize bytes, or null
  double* cpuClock;         // or null
  const DeviceRecord* deviceRecord;  // or null
  void* hostStructure;               // null: tool-chain discovery does not run
  const char* toolChainEntry;
};

// The 24-slot table shared by host and plug-in.
struct PluginInterface {
  int(ZRT_CDECL* Initialize)(HostInfo* info);
  void(ZRT_CDECL* NodeCreated)(HostNode* node);
  void(ZRT_CDECL* ProjectOpened)(HostNode* project, const char* configurationName);
  int(ZRT_CDECL* ShowSettings)(HostNode* node);
  const char*(ZRT_CDECL* ConvertProject)(HostNode* project, const char* uvisionPath);
  int(ZRT_CDECL* BuildProject)(int rebuildAll);
  int(ZRT_CDECL* CompileFile)(HostNode* file);
  void(ZRT_CDECL* StopBuild)();
  void(ZRT_CDECL* CleanOutputs)();
  void(ZRT_CDECL* ProjectEvent)(int event, void* argument);
  int(ZRT_CDECL* ExportDebugSettings)(struct DebugLaunchInfo* info);
  void(ZRT_CDECL* Reserved)();
  void* hostUnused30;
  void(ZRT_CDECL* CommitNode)(HostNode* target, HostNode* modifiedCopy);
  HostNode*(ZRT_CDECL* CreateChildNode)(HostNode* owner, const char* elementName, const char* name);
  void(ZRT_CDECL* RemoveChild)(HostNode* parent, HostNode* child);
  int(ZRT_CDECL* RunCommand)(const char* commandLine, const char* workingDirectory, char* output,
                             int outputSize, int* exitCode);
  void(ZRT_CDECL* WriteOutput)(const char* text, int flag);
  void(ZRT_CDECL* ClearOutput)();
  void* hostUnused4C;
  int(ZRT_CDECL* NextDependency)(const char* sourcePath, char* buffer, unsigned size, int first);
  int(ZRT_CDECL* NextIncludePath)(char* buffer, unsigned size, int first);
  int(ZRT_CDECL* ReservedQuery)();
  void(ZRT_CDECL* NotifySettingsChange)(const DeviceRecord* device);
};

// One simulator memory definition.
struct StorageEntry {
  int32_t type;  // 0 ROM, 1 RAM
  uint32_t start;
  uint32_t size;
  char loadFile[260];
  int32_t download;  // 1 yes, 0 no
};

// The plug-in's record for the host's debugger.
struct DebuggerAccessorTable {
  void(ZRT_CDECL* SetDriver)(const char* driverPath);
  void(ZRT_CDECL* SetAppPath)(const char* text);
  void(ZRT_CDECL* SetServerOptions)(const char* text);
  char initScript[260];
  int32_t count;  // 3
  char driverType[255];
  char serverOptions[4096];
  int32_t downloadCode;
  StorageEntry memory[32];
};

// The host's debugger launch record; the plug-in writes only the named fields.
struct DebugLaunchInfo {
  int32_t simulation;
  int32_t hostReserved4;
  int32_t simulationLoadDebugInfo;
  int32_t simulationRunToMain;
  int32_t hardwareLoadDebugInfo;
  int32_t hardwareRunToMain;
  char driverPath[260];
  char hostReserved284[1788];
  char imageFile[260];
  DebuggerAccessorTable* accessorTable;
};

// The block handed to ConfigXDI of the simulator/debugger core.
struct XdiConfigBlock {
  char driverPath[260];
  char options[4096];
  void* hostWindow;
  const DeviceRecord* deviceRecord;
  const char* projectPath;
  int32_t bigEndian;
};

// The one export. Answers the process-wide interface table.
typedef PluginInterface*(ZRT_CDECL* GetInterfaceFunction)();

}  // extern "C"

#if ZRT_ABI_32BIT
static_assert(sizeof(NodeText) == 12);
static_assert(sizeof(NodeAttribute) == 32);
static_assert(offsetof(NodeAttribute, value) == 12);
static_assert(offsetof(NodeAttribute, previous) == 24);
static_assert(offsetof(NodeAttribute, next) == 28);
static_assert(offsetof(HostNode, dispatch) == 0);
static_assert(offsetof(HostNode, name) == 4);
static_assert(offsetof(HostNode, kind) == 16);
static_assert(offsetof(HostNode, parent) == 20);
static_assert(offsetof(HostNode, firstChild) == 24);
static_assert(offsetof(HostNode, lastChild) == 28);
static_assert(offsetof(HostNode, previousSibling) == 32);
static_assert(offsetof(HostNode, nextSibling) == 36);
static_assert(offsetof(HostNode, attributes) == 40);
static_assert(sizeof(DeviceRecord) == 20);
static_assert(sizeof(HostInfo) == 36);
static_assert(offsetof(HostInfo, toolChainEntry) == 32);
static_assert(sizeof(PluginInterface) == 96);
static_assert(offsetof(PluginInterface, Reserved) == 0x2C);
static_assert(offsetof(PluginInterface, CommitNode) == 0x34);
static_assert(offsetof(PluginInterface, CreateChildNode) == 0x38);
static_assert(offsetof(PluginInterface, RemoveChild) == 0x3C);
static_assert(offsetof(PluginInterface, RunCommand) == 0x40);
static_assert(offsetof(PluginInterface, WriteOutput) == 0x44);
static_assert(offsetof(PluginInterface, ClearOutput) == 0x48);
static_assert(offsetof(PluginInterface, NextDependency) == 0x50);
static_assert(offsetof(PluginInterface, NextIncludePath) == 0x54);
static_assert(offsetof(PluginInterface, ReservedQuery) == 0x58);
static_assert(offsetof(PluginInterface, NotifySettingsChange) == 0x5C);
static_assert(sizeof(StorageEntry) == 276);
static_assert(offsetof(StorageEntry, loadFile) == 12);
static_assert(offsetof(StorageEntry, download) == 272);
static_assert(offsetof(DebuggerAccessorTable, initScript) == 12);
static_assert(offsetof(DebuggerAccessorTable, count) == 272);
static_assert(offsetof(DebuggerAccessorTable, driverType) == 276);
static_assert(offsetof(DebuggerAccessorTable, serverOptions) == 531);
static_assert(offsetof(DebuggerAccessorTable, downloadCode) == 4628);
static_assert(offsetof(DebuggerAccessorTable, memory) == 4632);
static_assert(offsetof(DebugLaunchInfo, simulationLoadDebugInfo) == 8);
static_assert(offsetof(DebugLaunchInfo, simulationRunToMain) == 12);
static_assert(offsetof(DebugLaunchInfo, hardwareLoadDebugInfo) == 16);
static_assert(offsetof(DebugLaunchInfo, hardwareRunToMain) == 20);
static_assert(offsetof(DebugLaunchInfo, driverPath) == 24);
static_assert(offsetof(DebugLaunchInfo, imageFile) == 2072);
static_assert(offsetof(DebugLaunchInfo, accessorTable) == 2332);
static_assert(offsetof(XdiConfigBlock, options) == 260);
static_assert(offsetof(XdiConfigBlock, hostWindow) == 4356);
static_assert(offsetof(XdiConfigBlock, deviceRecord) == 4360);
static_assert(offsetof(XdiConfigBlock, projectPath) == 4364);
static_assert(offsetof(XdiConfigBlock, bigEndian) == 4368);
#endif
