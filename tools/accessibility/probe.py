# Opens the Western and Egyptian calculators through their accessible push
# buttons, tabs through the Western entry window printing each focus event
# the desktop hears, and writes the whole accessible tree to
# /tmp/atspi-tree.txt.
import pyatspi, subprocess, time
from gi.repository import GLib

events = []
def on_focus(ev):
    if ev.detail1 == 1:
        s = ev.source
        try:
            events.append((s.getRoleName(), s.name, s.description))
        except Exception as e:
            events.append(('?', str(e), ''))

pyatspi.Registry.registerEventListener(on_focus, 'object:state-changed:focused')

def key(*keys):
    for k in keys:
        subprocess.run(['xdotool', 'key', k])
        time.sleep(0.4)

def find_app():
    desk = pyatspi.Registry.getDesktop(0)
    for app in desk:
        if app and 'velmora' in (app.name or '').lower():
            return app
    return None

def dump(node, depth=0, out=None, maxdepth=30):
    if out is None: out = []
    try:
        role = node.getRoleName(); name = node.name; desc = node.description
        states = node.getState().getStates()
        foc = 'FOCUSED' if pyatspi.STATE_FOCUSED in states else ''
        acts = ''
        try:
            a = node.queryAction()
            acts = ','.join(a.getName(i) for i in range(a.nActions))
        except Exception: pass
        out.append('  '*depth + f'[{role}] "{name}" desc="{desc}" {foc} {acts}')
        if depth < maxdepth:
            for c in node:
                if c is not None: dump(c, depth+1, out, maxdepth)
    except Exception as e:
        out.append('  '*depth + f'ERR {e}')
    return out

def pump(seconds):
    end = time.time() + seconds
    ctx = GLib.MainContext.default()
    while time.time() < end:
        ctx.iteration(False); time.sleep(0.02)

app = find_app()
print('app:', app.name if app else None)
subprocess.run(['xdotool', 'search', '--name', 'Velmora Suite', 'windowactivate'], capture_output=True)
pump(1)
def find(node, pred):
    try:
        if pred(node): return node
        for c in node:
            if c is None: continue
            r = find(c, pred)
            if r: return r
    except Exception: pass
    return None
btn = find(app, lambda n: n.getRoleName() == 'push button' and n.name == 'Zodiac Compatibility')
print('western button:', btn)
if btn:
    btn.queryAction().doAction(0)
pump(2)
events.clear()
print('--- after opening western entry, focus events:')
for _ in range(6):
    subprocess.run(['xdotool', 'key', 'Tab']); pump(0.6)
print('\n'.join(map(str, events)))
# Egyptian window frames
eb = find(app, lambda n: n.getRoleName() == 'push button' and n.name == 'Egyptian Astrology Compatibility')
if eb: eb.queryAction().doAction(0)
pump(2)
out = dump(app)
open('/tmp/atspi-tree.txt', 'w').write('\n'.join(out))
print('tree lines', len(out))
