#pragma once

// Binary contract: see ARCHITECTURE.md, "Records that cross plug-in boundaries".
// Device-model types that the plug-in interfaces name. They are defined by the
// device library; the program only passes pointers to them along.
class VyrSystemManager;
class VyrDeviceManager;
// Driver functions a device manager can be asked about; the device library
// defines the enumerators with this same underlying type.
enum VyrDriverFnSupported : int;
