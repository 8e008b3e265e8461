// Test support: the Linux PS/2 port's outside world on a temporary tree. The
// sysfs part is real files under <tree>/sys that the production code reads
// as it reads /sys; this fake plays the kernel's part (a drvctl write binds
// the named driver, serio_raw gives the port a misc device and a node under
// <tree>/dev) and the privileged helper's (the helper's own code, run on the
// tree, then the kernel's answer). Everything it was asked is recorded;
// nothing reaches the real /sys, real ports or pkexec.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "device/linux/Ps2System.h"
#include "device/linux/SerioSysfs.h"
#include "helper/SerioHelper.h"

namespace vexa {

class FakeSerioSystem : public Ps2System {
 public:
  FakeSerioSystem() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vexa-serio-XXXXXX").string();
    m_tree = ::mkdtemp(pattern.data());
    std::filesystem::create_directories(Sys() + "/bus/serio/devices");
    std::filesystem::create_directories(Sys() + "/bus/serio/drivers");
    std::filesystem::create_directories(m_tree + "/dev");
    std::filesystem::create_directories(m_tree + "/run");
    LoadDriver("atkbd");
    LoadDriver("psmouse");
  }
  ~FakeSerioSystem() override {
    std::error_code ec;
    std::filesystem::remove_all(m_tree, ec);
  }
  FakeSerioSystem(const FakeSerioSystem&) = delete;
  FakeSerioSystem& operator=(const FakeSerioSystem&) = delete;

  // --- The tree -------------------------------------------------------------
  [[nodiscard]] std::string Sys() const { return m_tree + "/sys"; }
  void AddPort(const std::string& name, const std::string& description, const std::string& driver) {
    const std::string dir = PortDir(name);
    std::filesystem::create_directories(dir);
    std::ofstream(dir + "/description") << description << "\n";
    std::ofstream(dir + "/drvctl");
    if (!driver.empty()) SetDriver(name, driver);
  }
  void AddKeyboardPort(const std::string& name = "serio0") { AddPort(name, "i8042 KBD port", "atkbd"); }
  void LoadDriver(const std::string& name) {
    std::filesystem::create_directories(Sys() + "/bus/serio/drivers/" + name);
  }
  void SetLockdown(const std::string& modes) {
    std::filesystem::create_directories(Sys() + "/kernel/security");
    std::ofstream(Sys() + "/kernel/security/lockdown") << modes << "\n";
  }
  [[nodiscard]] std::string Driver(const std::string& port) const { return SerioSysfs(Sys()).Driver(port); }
  [[nodiscard]] std::string State() const {
    std::ifstream in(StateFile());
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  // What the kernel did with drvctl writes, as (port, text).
  std::vector<std::pair<std::string, std::string>> drvctlWrites;
  // The node serio_raw's devices lead to (a pseudo-terminal); empty: none.
  std::string rawNodeTarget;

  // --- Who we are and what the helper does ---------------------------------
  bool root = true;
  bool helperInstalled = true;
  int helperStatus = 0;  // non-zero: pkexec refuses bind before the helper runs (restore asks no one)
  std::vector<std::string> helperVerbs;
  bool failRestore = false;  // giving the port back fails (root write or helper)
  // Runs as pkexec would start the helper (pkexec's question, say); false:
  // pkexec ends without running it.
  std::function<bool(std::string_view verb)> beforeHelper;
  std::string bootId = "0b1c2d3e-4f50-4a6b-8c7d-9e0f1a2b3c4d";

  // --- Ports, the driver device, waits ---------------------------------------
  PortIo* grantedPorts = nullptr;  // null: refused with `portRefusal`
  std::string portRefusal = "ports refused";
  int portRequests = 0;
  int sleeps = 0;
  // The emulator behind the node is a thread that a busy test machine may run
  // late; only a silent keyboard is waited for as the program waits.
  int receiveTimeoutMs = 1000;

  std::string SysfsRoot() const override { return Sys(); }
  std::string DevRoot() const override { return m_tree + "/dev"; }
  std::string RunFolder() const override { return m_tree + "/run"; }
  // Root's state is under the run folder, a user's in the user's own.
  std::string StateFolder() const override { return root ? RunFolder() : m_tree + "/state"; }
  std::string BootId() const override { return bootId; }
  bool IsRoot() const override { return root; }
  bool HelperAvailable() const override { return helperInstalled; }
  std::string HelperPath() const override { return "/usr/libexec/vexa/vexa-serio-helper"; }

  bool WriteDrvctl(const std::string& port, std::string_view text, std::string& error) override {
    if (failRestore && text == "atkbd") {
      error = "Input/output error";
      return false;
    }
    if (!SerioSysfs(Sys()).WriteDrvctl(port, text, error)) return false;
    return Kernel(port, error);
  }
  bool RunHelper(std::string_view verb, int lockFd, std::string& error) override {
    helperVerbs.emplace_back(verb);
    if ((helperStatus != 0 && verb == "bind") || (failRestore && verb == "restore")) {
      error = "an administrator's authorisation was not given";
      return false;
    }
    if (beforeHelper && !beforeHelper(verb)) {
      error = "pkexec ended";
      return false;
    }
    std::ostringstream out, err;
    // The helper as pkexec runs it, with the caller's lock as its standard input.
    if (SerioHelper::Run({std::string(verb)}, {Sys(), RunFolder(), lockFd}, out, err) != SerioHelper::kDone) {
      error = err.str();
      if (!error.empty() && error.back() == '\n') error.pop_back();
      return false;
    }
    for (const std::string& port : Ports())
      if (!Kernel(port, error)) return false;
    return true;
  }
  std::unique_ptr<PortIo> AcquirePorts(std::string& refusal) override {
    ++portRequests;
    if (!grantedPorts) {
      refusal = portRefusal;
      return nullptr;
    }
    return std::make_unique<Forward>(*grantedPorts);
  }
  std::unique_ptr<DriverDevice> OpenDriverDevice(const std::string&) override { return nullptr; }
  void Sleep(int) override { ++sleeps; }
  int ReceiveTimeoutMs() const override { return receiveTimeoutMs; }

 private:
  class Forward : public PortIo {
   public:
    explicit Forward(PortIo& to) : m_to(to) {}
    std::uint8_t In(std::uint16_t port) override { return m_to.In(port); }
    void Out(std::uint16_t port, std::uint8_t value) override { m_to.Out(port, value); }

   private:
    PortIo& m_to;
  };

  [[nodiscard]] std::string PortDir(const std::string& port) const {
    return Sys() + "/bus/serio/devices/" + port;
  }
  [[nodiscard]] std::vector<std::string> Ports() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Sys() + "/bus/serio/devices"))
      names.push_back(entry.path().filename().string());
    return names;
  }
  void SetDriver(const std::string& port, const std::string& driver) {
    const std::string link = PortDir(port) + "/driver";
    std::filesystem::remove(link);
    if (!driver.empty())
      std::filesystem::create_directory_symlink(Sys() + "/bus/serio/drivers/" + driver, link);
  }
  // The kernel reads what was written to the port's drvctl: a loaded
  // driver's name binds it, anything else is refused as the kernel does.
  bool Kernel(const std::string& port, std::string& error) {
    const std::string drvctl = PortDir(port) + "/drvctl";
    std::ifstream in(drvctl);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::ofstream(drvctl, std::ios::trunc);
    if (text.empty()) return true;
    drvctlWrites.emplace_back(port, text);
    if (!std::filesystem::is_directory(Sys() + "/bus/serio/drivers/" + text)) {
      error = "Invalid argument";
      return false;
    }
    // Unbinding removes the raw device and its node.
    std::error_code ec;
    for (const auto& device : std::filesystem::directory_iterator(PortDir(port) + "/misc", ec))
      std::filesystem::remove(DevRoot() + "/" + device.path().filename().string(), ec);
    std::filesystem::remove_all(PortDir(port) + "/misc", ec);
    SetDriver(port, text);
    if (text == "serio_raw") {
      const std::string name = "serio_raw" + std::to_string(m_rawDevices++);
      std::filesystem::create_directories(PortDir(port) + "/misc/" + name);
      if (!rawNodeTarget.empty()) std::filesystem::create_symlink(rawNodeTarget, DevRoot() + "/" + name);
    }
    return true;
  }

  std::string m_tree;
  int m_rawDevices = 0;
};

}  // namespace vexa
