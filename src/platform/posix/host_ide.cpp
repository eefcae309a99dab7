#include "platform/posix/host_ide.h"

#include <algorithm>
#include <sstream>
#include <utility>

#include "base/strings.h"
#include "base/vb_error.h"

namespace verbsmith {

namespace {

constexpr const char* kSource = "VBIDE";
constexpr const char* kAddInsBar = "Add-Ins";

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  std::istringstream in(text);
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool IsAbsolute(const std::string& path) {
  return (path.size() >= 2 && path[1] == ':') || (!path.empty() && path[0] == '\\');
}

std::string DirectoryOf(const std::string& path) {
  const auto slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string StemOf(const std::string& path) {
  std::string name = path.substr(path.find_last_of('\\') + 1);
  const auto dot = name.find_last_of('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

// The component's name as its file declares it ("Attribute VB_Name = "x"").
std::string DeclaredName(const std::string& text) {
  constexpr std::string_view kAttribute = "Attribute VB_Name = ";
  for (const std::string& line : SplitLines(text)) {
    const auto at = line.find(kAttribute);
    if (at == std::string::npos) continue;
    std::string value(Trim(std::string_view(line).substr(at + kAttribute.size())));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
      value = value.substr(1, value.size() - 2);
    return value;
  }
  return {};
}

}  // namespace

class HostIde::Control : public CommandBarControl {
 public:
  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  void Delete() override { attached_ = false; }
  bool Attached() const { return attached_; }

 private:
  std::string caption_;
  bool attached_ = true;
};

class HostIde::Bar : public CommandBar {
 public:
  explicit Bar(std::string name) : name_(std::move(name)) {}
  std::string Name() const override { return name_; }
  CommandBarControl& AddButton() override { return *controls_.emplace_back(std::make_unique<Control>()); }
  int ControlCount() const override {
    return static_cast<int>(std::count_if(controls_.begin(), controls_.end(),
                                          [](const auto& control) { return control->Attached(); }));
  }
  bool Holds(const CommandBarControl& control) const {
    return std::any_of(controls_.begin(), controls_.end(),
                       [&](const auto& held) { return held.get() == &control && held->Attached(); });
  }

 private:
  std::string name_;
  // Deleted controls stay here, detached, so references to them stay valid.
  std::vector<std::unique_ptr<Control>> controls_;
};

class HostIde::Events : public CommandBarEvents {
 public:
  explicit Events(std::shared_ptr<std::function<void()>> slot) : slot_(std::move(slot)) {}
  void OnClick(std::function<void()> handler) override { *slot_ = std::move(handler); }

 private:
  std::shared_ptr<std::function<void()>> slot_;
};

class HostIde::Component : public IdeComponent {
 public:
  Component(FileSystem& fs, std::string name, std::string file)
      : fs_(fs), name_(std::move(name)), file_(std::move(file)) {}
  std::string Name() const override { return name_; }
  bool IsDirty() const override { return dirty_; }
  void SetIsDirty(bool dirty) override { dirty_ = dirty; }
  void Reload() override {
    fs_.ReadText(file_);
    dirty_ = false;
  }

 private:
  FileSystem& fs_;
  std::string name_;
  std::string file_;
  bool dirty_ = false;
};

class HostIde::Project : public IdeProject {
 public:
  explicit Project(std::string fileName) : fileName_(std::move(fileName)) {}
  std::string FileName() const override { return fileName_; }
  bool IsDirty() const override { return dirty_; }
  void SetIsDirty(bool dirty) override { dirty_ = dirty; }
  int ComponentCount() const override { return static_cast<int>(components_.size()); }
  IdeComponent& Component(int position) override {
    if (position < 0 || position >= ComponentCount())
      throw VbError::Standard(vberr::kSubscriptOutOfRange, kSource);
    return *components_[static_cast<size_t>(position)];
  }
  void Add(std::unique_ptr<HostIde::Component> component) { components_.push_back(std::move(component)); }

 private:
  std::string fileName_;
  bool dirty_ = false;
  std::vector<std::unique_ptr<HostIde::Component>> components_;
};

HostIde::HostIde(FileSystem& fs, Processes& processes, HostIdeOptions options)
    : fs_(fs), processes_(processes), options_(std::move(options)) {
  AddCommandBar(kAddInsBar);
}

HostIde::~HostIde() = default;

CommandBar* HostIde::FindCommandBar(const std::string& name) {
  const auto found = bars_.find(name);
  return found == bars_.end() ? nullptr : found->second.get();
}

CommandBar& HostIde::AddCommandBar(const std::string& name) {
  auto& bar = bars_[name];
  if (!bar) bar = std::make_unique<Bar>(name);
  return *bar;
}

void HostIde::RemoveCommandBar(const std::string& name) {
  bars_.erase(name);
}

std::unique_ptr<CommandBarEvents> HostIde::CommandBarEventsFor(CommandBarControl& control) {
  auto slot = std::make_shared<std::function<void()>>();
  auto& handlers = clickHandlers_[&control];
  std::erase_if(handlers, [](const auto& handler) { return handler.expired(); });
  handlers.push_back(slot);
  return std::make_unique<Events>(std::move(slot));
}

void HostIde::ClickControl(CommandBarControl& control) {
  // Only a control that is on a bar can be clicked.
  const bool onBar =
      std::any_of(bars_.begin(), bars_.end(), [&](const auto& bar) { return bar.second->Holds(control); });
  if (!onBar) return;
  const auto found = clickHandlers_.find(&control);
  if (found == clickHandlers_.end()) return;
  // Copy first: a handler may subscribe or drop subscriptions.
  std::vector<std::shared_ptr<std::function<void()>>> live;
  for (const auto& handler : found->second) {
    if (auto slot = handler.lock()) live.push_back(std::move(slot));
  }
  for (const auto& slot : live) {
    if (*slot) (*slot)();
  }
}

void HostIde::LoadProject(const std::string& path, bool /*flag*/) {
  const std::string text = fs_.ReadText(path);
  const std::string directory = DirectoryOf(path);
  auto project = std::make_unique<Project>(path);
  for (const std::string& line : SplitLines(text)) {
    const auto equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = line.substr(0, equals);
    if (key != "Form" && key != "Class" && key != "Module") continue;
    std::string value = line.substr(equals + 1);
    std::string name;
    const auto semicolon = value.find(';');
    if (semicolon != std::string::npos) {
      name = std::string(Trim(std::string_view(value).substr(0, semicolon)));
      value = value.substr(semicolon + 1);
    }
    value = std::string(Trim(value));
    const std::string file = IsAbsolute(value) ? value : directory + value;
    if (name.empty()) {
      try {
        name = DeclaredName(fs_.ReadText(file));
      } catch (const VbError&) {
        // The environment lists a component whose file is missing too.
      }
      if (name.empty()) name = StemOf(file);
    }
    project->Add(std::make_unique<Component>(fs_, name, file));
  }
  project->SetIsDirty(options_.loadMarksDirty);
  activeProject_ = std::move(project);

  if (!options_.ideCommand.empty()) {
    std::vector<std::string> argv = options_.ideCommand;
    argv.push_back(fs_.HostPath(path));
    processes_.Start(argv, false);
  }
}

IdeProject& HostIde::ActiveProject() {
  if (!activeProject_) throw VbError::Standard(vberr::kObjectVariableNotSet, kSource);
  return *activeProject_;
}

std::unique_ptr<HostIde> MakeHostIde(FileSystem& fs, Processes& processes) {
  HostIdeOptions options;
  if (auto command = processes.GetEnv("VERBSMITH_IDE_COMMAND")) {
    std::istringstream words(*command);
    for (std::string word; words >> word;) options.ideCommand.push_back(word);
  }
  if (auto version = processes.GetEnv("VERBSMITH_IDE_VERSION")) options.version = *version;
  if (auto exe = processes.GetEnv("VERBSMITH_IDE_EXE"); exe && !exe->empty()) options.fullName = *exe;
  return std::make_unique<HostIde>(fs, processes, std::move(options));
}

}  // namespace verbsmith
